#include "forms/fields/editor/editdc.h"

#include "platform/gdi/muldiv.h"
#include "platform/ui/edit_child_wnd.h"

void MapEditDC(gdi::DC& dc, const EDITZOOM& zoom)
{
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SetWindowExt(gdi::MulDiv(1440, zoom.windowX, 100), gdi::MulDiv(1440, zoom.windowY, 100));
    dc.SetViewportExt(gdi::MulDiv(dc.GetDeviceCaps(gdi::LOGPIXELSX), zoom.viewportX, 100),
        gdi::MulDiv(dc.GetDeviceCaps(gdi::LOGPIXELSY), zoom.viewportY, 100));
}

EDITDC::EDITDC(ui::EditChildWnd& wnd, const EDITDRAWVALUES& values, const EDITZOOM& zoom, const RECT& bounds)
    : dc(wnd.GetDC())
{
    if (!dc)
        return;
    MapEditDC(*dc, zoom);
    TEXTZOOM textZoom;
    textZoom.zoomX = zoom.windowX ? gdi::MulDiv(zoom.viewportX, 100, zoom.windowX) : 100;
    textZoom.zoomY = zoom.windowY ? gdi::MulDiv(zoom.viewportY, 100, zoom.windowY) : 100;
    info = TEXTDRAWINFO(dc.get(), {0, 0}, values.mode, values.slot, values.printerId, textZoom, bounds, 0);
}
