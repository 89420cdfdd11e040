// Inside the layer: the toolkit windows of a dialog, a top-level frame and
// its client area, with the keyboard behaviour of dialogs.
#pragma once
#include "platform/dialog_template.h"
#include "platform/native.h"

// Makes the windows of `dialog` from its template, hidden, owned by `owner`
// (may be null): the client area is the template's size at 2 pixels per
// dialog unit. Sends nothing.
HWND MakeDialogWindow(CWnd* dialog, const DialogTemplate& dialogTemplate, HWND owner, bool ownFrame);

// The dialog whose modal loop runs innermost (null when none).
HWND ActiveModalDialog();

// Gives the keyboard back to the owner of a dialog that closed.
void ActivateDialogOwner(HWND owner);

// The push button Enter presses when the focus is on no push button.
UINT DialogDefaultId(HWND dialog);
void SetDialogDefaultId(HWND dialog, UINT id);
