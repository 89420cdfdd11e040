// Dialog templates: a dialog's size, caption, font and style and its
// controls, all as data. Sizes and positions are in dialog units, laid out
// at 2 pixels per unit each way (the scale of the "System" font the
// templates name).
#pragma once
#include "platform/wintypes.h"

#include <vector>

constexpr int DIALOG_UNIT_PIXELS = 2;

struct DialogItem {
    int id;                 // -1 for controls nobody addresses
    const char* className;  // "Button", "Static", ...
    const char* text;       // caption; "#n" names icon n for an SS_ICON static
    DWORD style;
    int x, y, cx, cy;
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    int cx, cy;  // the client area
    DWORD style;
    const char* fontFace;
    int pointSize;
    std::vector<DialogItem> items;
};

// Makes a template known by its id; a second one with the same id is
// refused (RefuseRegistration).
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// Null when no template has this id.
const DialogTemplate* FindDialogTemplate(UINT id);
// The ids of every registered template, in rising order.
std::vector<UINT> RegisteredDialogTemplateIds();

// Registers a template when the program starts: one beside each dialog's table.
struct DialogTemplateRegistration {
    explicit DialogTemplateRegistration(const DialogTemplate& dialogTemplate)
    {
        RegisterDialogTemplate(dialogTemplate);
    }
};
