// The settings dialogs the game window opens by command id. Each dialog
// registers its command beside its class, so adding a dialog touches no
// list here or in the game window.
#pragma once
#include <functional>

using DialogCommand = std::function<void()>;

// A later registration of the same id replaces the earlier one.
void RegisterDialogCommand(int id, DialogCommand run);
// Runs the dialog of command `id` (a modal one returns when it closes);
// false when no dialog has the command.
bool RunDialogCommand(int id);

struct DialogCommandRegistration {
    DialogCommandRegistration(int id, DialogCommand run) { RegisterDialogCommand(id, std::move(run)); }
};
