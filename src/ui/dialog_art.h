// The pictures of the settings dialogs and the command bar, painted by code
// when first needed: check boxes, radio discs, the bar's icons and the hand
// cursor (ids in ui_resource.h).
#pragma once

// Registers them (once; later calls do nothing).
void RegisterDialogPictures();
