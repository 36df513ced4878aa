#include "forms/model/screen_surface.h"

#include "platform/gdi/information_surface.h"

gdi::Surface& ScreenSurface()
{
    static const std::unique_ptr<gdi::InformationSurface> screen = gdi::InformationSurface::ForScreen();
    return *screen;
}
