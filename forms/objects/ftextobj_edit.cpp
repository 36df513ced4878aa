// Editing a text object in place: the proxy that carries the editor, the
// editor's opening over the object, the end of the edit with its trimming,
// fitting and self-deletion, and the moves and resizes during the edit.
#include "forms/objects/ftextobj.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/format_code.h"
#include "forms/model/default_printer.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

#include <cmath>

namespace {

// Below the text, an edited object keeps this much room (twips).
constexpr int32_t kTextBottomRoom = 30;

// The selection tool, which the view takes back once a text is placed.
constexpr uint8_t kSelectionToolCode = 35;

} // namespace

EDITHANDLE* FTEXTOBJ::GetEditor() const
{
    return pEditProxy ? pEditProxy->pEditor.get() : pEditor.get();
}

std::unique_ptr<FTEXTOBJ> FTEXTOBJ::MakeProxy()
{
    auto proxy = std::make_unique<FTEXTOBJ>();
    proxy->txText.Copy(txText);
    GetTextFormat(proxy->taFont, proxy->nAlign, proxy->nLineSpacing);
    proxy->page = page;
    proxy->rotation = 0;
    proxy->FORMOBJ::SetRect(rect.left, rect.top, rect.right, rect.bottom);
    proxy->trackStyle = trackStyle;
    proxy->handleSize = handleSize;
    proxy->minSize = minSize;
    // It shows the handles of the object it stands for.
    proxy->selected = 1;
    proxy->pProxyOwner = this;
    return proxy;
}

int FTEXTOBJ::ShowProperties(OBJECT_VIEW* view)
{
    if (pEditProxy || pEditor || !view)
        return 0;
    // The proxy reports the turn about this rectangle while it is tracked.
    drawRotation.Set(rect.left, rect.top, rect.right, rect.bottom, rotation);
    pEditProxy = MakeProxy();
    Invalidate(view);
    if (!pEditProxy->OpenEditor(view, 0)) {
        pEditProxy.reset();
        return 0;
    }
    return 1;
}

TrackNewResult FTEXTOBJ::TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int invert)
{
    const TrackNewResult answer = FORMOBJ::TrackNew(view, x, y, invert);
    if (answer != kTrackPlaced)
        return answer;
    view->SetTool(kSelectionToolCode);
    Select(view);
    if (!ShowProperties(view)) {
        FORMOBJ::Deselect(view);
        return kTrackRefused;
    }
    Invalidate(view);
    return kTrackPlaced;
}

int FTEXTOBJ::OpenEditor(OBJECT_VIEW* view, uint32_t startFlag)
{
    if (!view || pEditor)
        return 0;
    const RECT r = rect.Normalized();
    view->AutoScrollToRect(r.left, r.top, r.right, r.bottom, this);
    QWidget* parent = view->GetTrackingWindow();
    VIEWDC dc(view, kOwnWindow);
    if (!parent || !dc.IsSetUp())
        return 0;
    RECT device;
    GetDeviceRect(device, dc, 0);
    TEXTATTR font;
    uint8_t align = kTextAlignLeft;
    uint16_t spacing = kLineSpacingAuto;
    GetTextFormat(font, align, spacing);

    pEditSite = std::make_unique<FIELDEDITSITE>(view, this);
    pEditor = std::make_unique<EDITHANDLE>();
    pEditor->Create(pEditSite.get());
    pEditor->hidden = startFlag;
    const EDITDRAWVALUES values {dc.deviceKind, kLayoutSlot, kDefaultPrinterId};
    const EDITZOOM zoom {dc.zoomX, dc.zoomY, 100, 100};
    // The text is drawn over what lies beneath it, as outside editing.
    if (!pEditor->Open(values, zoom, txText.View(), font, align, spacing, device.Normalized(), r, parent, 1)) {
        pEditor.reset();
        pEditSite.reset();
        return 0;
    }
    editView = view;
    if (startFlag == 0)
        pEditor->Window()->SetFocus();
    return 1;
}

void FTEXTOBJ::DropEditor()
{
    if (pEditor)
        pEditor->EndEdit(1);
    pEditor.reset();
    pEditSite.reset();
    editView = nullptr;
}

int FTEXTOBJ::TakeEditorText()
{
    const EDITHANDLE* editor = GetEditor();
    const std::string text = editor ? editor->GetText() : std::string();
    if (text.empty()) {
        txText.Clear();
        return 0;
    }
    if (!SetText(text))
        return -1;
    return txText.GetLength();
}

bool FTEXTOBJ::HoldsOnlyBlanks() const
{
    const std::string_view text = txText.View();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == kEsc) {
            i += kCodeLength - 1;
            continue;
        }
        if (c != kBlank && c != kLineFeed)
            return false;
    }
    return true;
}

uint16_t FTEXTOBJ::DeselectProxy(OBJECT_VIEW* view)
{
    if (!pEditor)
        return 0;
    TakeEditorText();
    const uint16_t height = pEditor->EndEdit(1);
    const RECT r = rect;
    const int32_t bottom = r.top + height + kTextBottomRoom;
    if (bottom < r.bottom)
        Invalidate(view);
    DropEditor();
    FORMOBJ::SetRect(r.left, r.top, r.right, bottom);
    if (pProxyOwner && pProxyOwner->rotation == 0)
        pProxyOwner->FORMOBJ::SetRect(rect.left, rect.top, rect.right, rect.bottom);
    return 1;
}

uint16_t FTEXTOBJ::Deselect(OBJECT_VIEW* view)
{
    if (pProxyOwner)
        return DeselectProxy(view);
    if (!pEditProxy)
        return FORMOBJ::Deselect(view);
    Invalidate(view);
    const int taken = TakeEditorText();
    const uint16_t trimmed = TrimTrailingBlanks();
    const uint16_t answer = pEditProxy->Deselect(view);
    pEditProxy.reset();
    // A text with nothing to show goes, alone: the rest of the selection
    // stays, nothing is asked and nothing is kept for Undo Deletion.
    if (view && (taken == 0 || HoldsOnlyBlanks())) {
        view->StopAutoScroll();
        view->DeleteObjectAlone(this);
        return 2;
    }
    if (trimmed > 0 && rotation == 0 && view) {
        VIEWDC dc(view, kOwnWindow);
        int16_t height = 0;
        if (dc.IsSetUp() && DrawText(dc, &height)) {
            const int32_t bottom = rect.top + height + kTextBottomRoom;
            if (bottom < rect.bottom)
                Invalidate(view);
            FORMOBJ::SetRect(rect.left, rect.top, rect.right, bottom);
        }
    }
    FORMOBJ::Deselect(view);
    if (view)
        view->StopAutoScroll();
    return answer;
}

void FTEXTOBJ::EndEdit()
{
    if (pEditProxy) {
        pEditProxy->EndEdit();
        return;
    }
    DropEditor();
}

void FTEXTOBJ::RectFromProxy(RECT& out, const RECT& proxyRect) const
{
    // The proxy lies in this object's own turned frame: its corners turned
    // about the present centre have their middle at the turned middle of
    // the proxy, which becomes the new centre; the object keeps the
    // proxy's size about it. Worked in fractions so that a proxy that
    // did not move gives the rectangle back exactly.
    const RECT p = proxyRect.Normalized();
    const RECT own = rect.Normalized();
    const double angle = rotation * kRadiansPerTenth;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double ownX = (own.left + own.right) / 2.0;
    const double ownY = (own.top + own.bottom) / 2.0;
    const double dx = (p.left + p.right) / 2.0 - ownX;
    const double dy = (p.top + p.bottom) / 2.0 - ownY;
    const double x = ownX + dx * c + dy * s;
    const double y = ownY + dy * c - dx * s;
    const int32_t w = p.right - p.left;
    const int32_t h = p.bottom - p.top;
    const auto left = static_cast<int32_t>(std::lround(x - w / 2.0));
    const auto top = static_cast<int32_t>(std::lround(y - h / 2.0));
    out = RECT {left, top, left + w, top + h};
}

void FTEXTOBJ::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    FORMOBJ::SetRect(left, top, right, bottom);
    if (pEditor && editView)
        PlaceEditor(editView);
    if (pProxyOwner && pProxyOwner->rotation == 0)
        pProxyOwner->FORMOBJ::SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

void FTEXTOBJ::PlaceEditor(OBJECT_VIEW* view)
{
    TEXTEDITWND* window = pEditor ? pEditor->Window() : nullptr;
    if (!window || !window->HasWnd())
        return;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    RECT device;
    GetDeviceRect(device, dc, 0);
    pEditor->SetZoom(EDITZOOM {dc.zoomX, dc.zoomY, 100, 100});
    pEditor->MoveWindow(device.Normalized(), true);
    const RECT r = rect.Normalized();
    window->SetLayoutSize(RECT {0, 0, r.right - r.left, r.bottom - r.top});
    pEditor->Redraw();
}

int FTEXTOBJ::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (pEditProxy) {
        const RECT before = pEditProxy->rect;
        const int answer = pEditProxy->Track(view, x, y);
        Invalidate(view);
        if (!(pEditProxy->rect == before)) {
            if (rotation == 0) {
                FORMOBJ::SetRect(
                    pEditProxy->rect.left, pEditProxy->rect.top, pEditProxy->rect.right, pEditProxy->rect.bottom);
            } else {
                RECT owner;
                RectFromProxy(owner, pEditProxy->rect);
                FORMOBJ::SetRect(owner.left, owner.top, owner.right, owner.bottom);
                // The next move turns about the new place.
                drawRotation.Set(rect.left, rect.top, rect.right, rect.bottom, rotation);
            }
            Invalidate(view);
        }
        TakeEditorText();
        return answer;
    }
    if (!pEditor || !view)
        return FORMOBJ::Track(view, x, y);
    // The window goes while the object is dragged and comes back over its
    // new place.
    TakeEditorText();
    pEditor->Close();
    view->UpdateWindow();
    const int answer = FORMOBJ::Track(view, x, y);
    if (answer == 0)
        trackRect = rect;
    VIEWDC dc(view, kOwnWindow);
    if (dc.IsSetUp()) {
        RECT device;
        GetDeviceRect(device, dc, 0);
        pEditor->CreateWnd(device.Normalized(), view->GetTrackingWindow());
        if (TEXTEDITWND* window = pEditor->Window(); window && window->HasWnd())
            window->SetFocus();
    }
    return answer == 0 ? 0 : 1;
}

void FTEXTOBJ::EditHookCommand(uintptr_t view)
{
    if (pEditProxy) {
        pEditProxy->EditHookCommand(view);
        return;
    }
    if (auto* v = reinterpret_cast<OBJECT_VIEW*>(view); v && pEditor)
        PlaceEditor(v);
}

void FTEXTOBJ::EditHookReset()
{
    if (pEditProxy) {
        pEditProxy->EditHookReset();
        return;
    }
    if (pEditor)
        pEditor->InvalidateText();
}

int FTEXTOBJ::CopyTextToClipboard(OBJECT_VIEW* view, ui::DataSource& into)
{
    if (!view || pEditor || pEditProxy)
        return 0;
    if (!OpenEditor(view, 1))
        return 0;
    pEditor->SelectAll();
    const int copied = pEditor->Window()->CopyTo(into);
    DropEditor();
    return copied;
}
