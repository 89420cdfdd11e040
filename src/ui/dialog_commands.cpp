#include "ui/dialog_commands.h"

#include <map>

namespace {

std::map<int, DialogCommand>& Commands()
{
    static auto* commands = new std::map<int, DialogCommand>;
    return *commands;
}

}  // namespace

void RegisterDialogCommand(int id, DialogCommand run) { Commands()[id] = std::move(run); }

bool RunDialogCommand(int id)
{
    const auto it = Commands().find(id);
    if (it == Commands().end() || !it->second)
        return false;
    // A copy: the dialog may register commands while it runs.
    const DialogCommand run = it->second;
    run();
    return true;
}
