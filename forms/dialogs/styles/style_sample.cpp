#include "forms/dialogs/styles/style_sample.h"

#include "forms/model/formobj.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/owner_draw_button.h"

namespace {

constexpr int kSampleBottom = 125;
constexpr int kTallSampleBottom = 220;
constexpr int kTwipsPerInch = 1440;

} // namespace

int StyleSampleBottom(uint8_t type)
{
    return type == kTypeEllipse || type == kTypeOrthLine || type == kTypeLine ? kTallSampleBottom : kSampleBottom;
}

void DrawStyleSample(gdi::DC& dc, const gdi::RECT& client, FORMOBJ* prototype)
{
    dc.FillRect(client, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    if (!prototype)
        return;
    const int saved = dc.SaveDC();
    VIEWDC view;
    view.dc = &dc;
    view.outputMode = kOutputFill;
    view.deviceKind = kDeviceWindow;
    view.zoomX = view.zoomY = 100;
    view.SetMapMode(gdi::MM_ANISOTROPIC);
    view.SetWindowOrg(0, 0);
    view.SetViewportOrg(client.left, client.top);
    view.SetWindowExt(kTwipsPerInch, kTwipsPerInch);
    view.SetViewportExt(dc.GetDeviceCaps(gdi::LOGPIXELSX), dc.GetDeviceCaps(gdi::LOGPIXELSY));
    prototype->Draw(view);
    dc.RestoreDC(saved);
}

STYLE_SAMPLE_BUTTON::STYLE_SAMPLE_BUTTON() = default;

STYLE_SAMPLE_BUTTON::~STYLE_SAMPLE_BUTTON() = default;

void STYLE_SAMPLE_BUTTON::Create(QWidget* parent, const gdi::RECT& rect, FORMOBJ* shown)
{
    prototype = shown;
    button = std::make_unique<ui::OwnerDrawButton>(parent, kStyleSampleId, rect,
        [this](gdi::DC& dc, const gdi::RECT& client) { DrawStyleSample(dc, client, prototype); });
}

void STYLE_SAMPLE_BUTTON::Destroy()
{
    button.reset();
}

void STYLE_SAMPLE_BUTTON::Redraw()
{
    if (button)
        button->Invalidate();
}

QWidget* STYLE_SAMPLE_BUTTON::GetWidget() const
{
    return button ? button->GetWidget() : nullptr;
}
