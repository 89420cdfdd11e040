#include "platform/registration.h"

#include <cstdio>
#include <cstdlib>

void RefuseRegistration(const char* registry, const std::string& key, const char* reason)
{
    std::fprintf(stderr, "parvolune: %s %s %s\n", registry, key.c_str(), reason);
    std::fflush(stderr);
    std::abort();
}
