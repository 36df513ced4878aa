// The check box's caption edited in place with the rich-text editor: opened
// by a click on the caption, moved with the field, and its text taken into
// the caption when it closes.
#include "forms/fields/datatypes/check_datatype.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/model/default_printer.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"

namespace {

// The caption is laid out by the default printer's widths, as when it is
// drawn.
constexpr int8_t kCaptionSlot = 0;
constexpr uint8_t kAlignmentOwnCaption = 4;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

TEXTATTR FontOf(FORMOBJ& field)
{
    TEXTATTR attr;
    field.GetFont(&attr);
    return attr;
}

// A rectangle of twips in the context's device units.
RECT ToDevice(VIEWDC& dc, const RECT& r)
{
    return dc.dc->LPtoDP(r.Offset(-dc.originX, -dc.originY)).Normalized();
}

} // namespace

void CHECK_DATATYPE::EditCaption(
    VIEWDC& dc, uint32_t textColour, uint32_t backColour, OBJECT_VIEW* view, FORMOBJ* field)
{
    CloseEditor();
    if (!view || !field || !dc.dc)
        return;
    TEXTATTR attr = FontOf(*field);
    attr.colour = textColour;
    uint8_t alignment = 0;
    field->GetAlignment(&alignment);
    if (alignment == kAlignmentOwnCaption)
        alignment = 0;
    const RECT caption = GetTextRect(dc, *field, attr);
    const RECT layout {0, 0, caption.right - caption.left, caption.bottom - caption.top};

    pEditSite = std::make_unique<FIELDEDITSITE>(view, field);
    pEditHandle = std::make_unique<EDITHANDLE>();
    const EDITDRAWVALUES values {dc.deviceKind, kCaptionSlot, kDefaultPrinterId};
    const EDITZOOM zoom {dc.zoomX, dc.zoomY, 100, 100};
    if (!pEditHandle->Create(pEditSite.get())
        || !pEditHandle->Open(values, zoom, strCaption, attr, alignment, 0xFFFF, ToDevice(dc, caption), layout,
            view->GetTrackingWindow(), 1)) {
        CloseEditor();
        return;
    }
    pEditHandle->SetBackColour(backColour);
    pEditHandle->SetBackColour2(backColour);
    if (TEXTEDITWND* wnd = pEditHandle->Window())
        wnd->SetFocus();
}

int CHECK_DATATYPE::HitControl(OBJECT_VIEW* view, int32_t x, int32_t y, FORMOBJ* field)
{
    if (!view || !field)
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp() || !dc.dc)
        return 0;
    const RECT caption = ToDevice(dc, GetTextRect(dc, *field, FontOf(*field)));
    if (x < caption.left || x >= caption.right || y < caption.top || y >= caption.bottom)
        return 0;
    EditCaption(dc, kBlack, kWhite, view, field);
    return 1;
}

void CHECK_DATATYPE::MoveCaptionEditor(VIEWDC& dc, FORMOBJ* field)
{
    if (!pEditHandle || !field || !dc.dc)
        return;
    pEditHandle->MoveWindow(ToDevice(dc, GetTextRect(dc, *field, FontOf(*field))), true);
    pEditHandle->SetZoom(EDITZOOM {dc.zoomX, dc.zoomY, 100, 100});
    pEditHandle->Redraw();
}

void CHECK_DATATYPE::TakeEditorText()
{
    if (pEditHandle)
        strCaption = pEditHandle->GetText();
}

void CHECK_DATATYPE::CloseControl(OBJECT_VIEW*, FORMOBJ*)
{
    if (!pEditHandle)
        return;
    TakeEditorText();
    pEditHandle->EndEdit(0);
    CloseEditor();
}

RECT& CHECK_DATATYPE::GetMarkRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate)
{
    out = RECT {};
    if (!view || !field)
        return out;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp() || !dc.dc)
        return out;
    const TEXTATTR attr = FontOf(*field);
    gdi::TEXTMETRIC metrics {};
    if (FONTMETRICSCACHE* cache = GetFontMetricsCache())
        cache->GetFont(kDeviceWindow, kDefaultPrinterId, kCaptionSlot, attr, 0, &metrics, nullptr);
    const RECT caption = GetTextRect(dc, *field, attr);
    RECT whole;
    field->GetRect(whole);
    out = ToDevice(dc, RECT {caption.left, caption.top, whole.right, caption.top + metrics.tmHeight});
    if (invalidate)
        view->InvalidateRect(out, true);
    return out;
}
