#include "editor_doubles.h"

int TestSite::FitObjectToText(const RECT& needed)
{
    fitAsked.push_back(needed);
    return grow;
}

TestOwner::TestOwner()
    : surface(gdi::DeviceKind::Window, 96, 96, {2000, 4000})
    , dc(surface)
{
    MapTwips(dc, 96, 100);
    info = TEXTDRAWINFO(&dc, {0, 0}, kTextOnWindow, 0, 0, TEXTZOOM(), {0, 0, 0, 0}, 0);
}
