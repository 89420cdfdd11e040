#include "ui/help_page.h"

#include "platform/shell.h"

std::string HelpPageAddress() { return "file://" + GetProgramFolder() + "help/index.html"; }
