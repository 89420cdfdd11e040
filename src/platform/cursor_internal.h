// Inside the layer: the toolkit cursor behind a cursor handle.
#pragma once
#include "platform/cursor.h"

#include <QCursor>

// The blank cursor for null.
QCursor ToolkitCursor(HCURSOR cursor);
