// The screen as a device to measure text and enumerate fonts on (the
// desktop window's device context).
#pragma once

#include "platform/gdi/surface.h"

// Made on first use; needs the application's Qt GUI to exist.
gdi::Surface& ScreenSurface();
