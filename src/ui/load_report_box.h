// The one message that names the files the player's lists could not use
// while they loaded.
#pragma once
#include "platform/wnd.h"

// Shows the load report in a box owned by `owner` when it is ready (every
// list has loaded, something could not be used); nothing otherwise. A box
// already up is not shown twice.
void TellLoadReport(CWnd* owner);
