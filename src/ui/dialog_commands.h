// The settings dialogs the game window opens by command id: the one list of
// them. Each dialog registers its command beside its class, so adding a
// dialog touches no list here, in the command bar or in the game window.
#pragma once
#include <functional>
#include <vector>

using DialogCommand = std::function<void()>;

// The game window's tool once the dialog's command is done.
enum class ToolAfterDialog {
    MoveCannon,  // the cannon mover, on the command bar too
    BarsTool,    // the command bar's tool, which comes back with the next tick
};

// A second registration of an id is refused (RefuseRegistration).
void RegisterDialogCommand(int id, DialogCommand run, ToolAfterDialog after = ToolAfterDialog::MoveCannon);
// Whether command `id` opens a dialog.
bool IsDialogCommand(int id);
// The tool after command `id` (a dialog's command).
ToolAfterDialog ToolAfterDialogCommand(int id);
// Runs the dialog of command `id` (a modal one returns when it closes);
// false when no dialog has the command.
bool RunDialogCommand(int id);
// Every registered command id, in rising order.
std::vector<int> RegisteredDialogCommands();

struct DialogCommandRegistration {
    DialogCommandRegistration(int id, DialogCommand run, ToolAfterDialog after = ToolAfterDialog::MoveCannon)
    {
        RegisterDialogCommand(id, std::move(run), after);
    }
};
