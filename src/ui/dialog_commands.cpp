#include "ui/dialog_commands.h"

#include "platform/registration.h"

#include <map>
#include <string>

namespace {

struct Entry {
    DialogCommand run;
    ToolAfterDialog after;
};

std::map<int, Entry>& Commands()
{
    static auto* commands = new std::map<int, Entry>;
    return *commands;
}

}  // namespace

void RegisterDialogCommand(int id, DialogCommand run, ToolAfterDialog after)
{
    if (!Commands().emplace(id, Entry{std::move(run), after}).second)
        RefuseRegistration("dialog command", std::to_string(id));
}

bool IsDialogCommand(int id) { return Commands().count(id) != 0; }

ToolAfterDialog ToolAfterDialogCommand(int id)
{
    const auto it = Commands().find(id);
    return it == Commands().end() ? ToolAfterDialog::MoveCannon : it->second.after;
}

bool RunDialogCommand(int id)
{
    const auto it = Commands().find(id);
    if (it == Commands().end() || !it->second.run)
        return false;
    it->second.run();
    return true;
}

std::vector<int> RegisteredDialogCommands()
{
    std::vector<int> ids;
    for (const auto& [id, entry] : Commands())
        ids.push_back(id);
    return ids;
}
