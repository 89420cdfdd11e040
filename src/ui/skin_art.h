// The dialogs' pictures, painted by code when first needed: the pieces of
// the skinned caption and the application icon.
#pragma once

// Registers the pictures of ui_resource.h (once; later calls do nothing).
void RegisterUiPictures();
