// Processor time of the test process: a machine busy with other work does
// not stretch it, so a bound on it is reached only by work that grows faster
// than it should (a scan per entry of a long list), never by a slow machine.
#pragma once
#include <ctime>

inline double ProcessorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
