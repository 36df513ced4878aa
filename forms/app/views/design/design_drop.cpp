// The design view in drag and drop: its selection dragged out as data of
// its own, and drags from this or another view, form or program shown and
// dropped on the page.
#include "forms/app/views/design/design_drop.h"

#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/selection_drag.h"
#include "forms/app/views/formdatasource.h"
#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cursor.h"
#include "platform/ui/document.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/frame.h"

#include <QWidget>

#include <cstdlib>

namespace {

constexpr int kFeedbackRefused = 13;
constexpr size_t kDescriptionBytes = 32;
constexpr int32_t kLargestValue = 32767;
// The smallest feedback rectangle (pixels).
constexpr int32_t kLeastFeedback = 2;

void PutI32(std::string& out, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

int32_t GetI32(const std::string& in, size_t at)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return static_cast<int32_t>(u);
}

unsigned EffectOfKeys(unsigned keyState)
{
    return (keyState & ui::kDragControl) ? ui::kDropCopy : ui::kDropMove;
}

} // namespace

std::string DRAG_DESCRIPTION::Encode() const
{
    std::string out;
    for (int32_t v : {size.cx, size.cy, grab.x, grab.y, extent.cx, extent.cy, extentOffset.x, extentOffset.y})
        PutI32(out, v);
    return out;
}

std::optional<DRAG_DESCRIPTION> DRAG_DESCRIPTION::Decode(const std::string& bytes)
{
    if (bytes.size() < kDescriptionBytes)
        return std::nullopt;
    int32_t v[8];
    for (size_t i = 0; i < 8; ++i) {
        v[i] = GetI32(bytes, 4 * i);
        if (v[i] > kLargestValue || v[i] < -kLargestValue)
            return std::nullopt;
    }
    if (v[0] < 0 || v[1] < 0 || v[4] < 0 || v[5] < 0)
        return std::nullopt;
    DRAG_DESCRIPTION d;
    d.size = {v[0], v[1]};
    d.grab = {v[2], v[3]};
    d.extent = {v[4], v[5]};
    d.extentOffset = {v[6], v[7]};
    return d;
}

void DESIGN_DROP::RunDragDrop(SelectionDrag& wait)
{
    QWidget* window = view.GetWindow();
    FDOCUMENT* doc = view.GetFormDocument();
    FSELECTION* selection = view.GetSelection();
    if (!window || !doc || !selection) {
        wait.Finish(SelectionDrag::Phase::NotDropped);
        return;
    }
    RECT noted;
    selection->GetRect(noted);
    drag.droppedHere = false;

    DRAG_DESCRIPTION description;
    description.size = {noted.Width(), noted.Height()};
    description.grab = wait.GetGrab();
    RECT turned = noted;
    selection->RotateTrackerRect(turned);
    turned = turned.Normalized();
    description.extent = {turned.Width(), turned.Height()};
    description.extentOffset
        = {noted.left + description.grab.x - turned.left, noted.top + description.grab.y - turned.top};

    FORMDATASOURCE source(&view);
    source.CacheGlobalData(kFormatDragObject, description.Encode());
    selection->Copy(&view, &source.GetData());

    // The drag holds the pointer from here on.
    ui::ReleaseCapture();
    window->releaseMouse();
    window->releaseKeyboard();
    ownDrag = &wait;
    const POINT start = wait.GetStartPoint();
    const unsigned effect
        = ui::DoDragDrop(*window, QPoint(start.x, start.y), source.GetData(), ui::kDropCopy | ui::kDropMove);
    ownDrag = nullptr;
    wait.Finish(drag.droppedHere ? SelectionDrag::Phase::Dropped : SelectionDrag::Phase::NotDropped);

    if (effect == ui::kDropMove && !drag.droppedHere && selection->GetCount() > 0) {
        view.DeleteSelection(false);
        doc->GetUndoList().Clear();
        view.ShowPositionInRulers(nullptr);
        view.InvalidateAll();
        doc->SetModified(true);
    } else if (effect == ui::kDropCopy && !drag.droppedHere && selection->GetCount() > 0) {
        view.ClearSelection();
        if (!view.IsActiveView())
            view.ShowPositionInRulers(nullptr);
    }
    dragSource = false;
    if (effect == ui::kDropMove && drag.droppedHere) {
        RECT after;
        selection->GetRect(after);
        if (!(after == noted))
            doc->SetModified(true);
    }
    view.UpdateWindow();
    view.ShowSelectionPosSize();
}

unsigned DESIGN_DROP::OnDragEnter(const ui::DataObject& data, unsigned keyState, POINT point)
{
    drag.objectOffered = false;
    drag.feedbackState = 0;
    drag.shown.reset();
    if (const std::optional<std::string> bytes = data.GetData(kFormatDragObject))
        if (const std::optional<DRAG_DESCRIPTION> description = DRAG_DESCRIPTION::Decode(*bytes)) {
            drag.objectOffered = true;
            if (!ownDrag)
                drag.description = *description;
        }
    return OnDragOver(data, keyState, point);
}

unsigned DESIGN_DROP::OnDragOver(const ui::DataObject&, unsigned keyState, POINT point)
{
    FSELECTION* selection = view.GetSelection();
    if (!drag.objectOffered || !selection)
        return ui::kDropNone;
    const unsigned effect = EffectOfKeys(keyState);
    if (ownDrag) {
        const bool refused = ownDrag->DragOver(point) == SelectionDrag::Phase::Refused;
        drag.feedbackState = refused ? kFeedbackRefused : static_cast<int>(effect);
        return refused ? ui::kDropNone : effect;
    }
    VIEWDC dc(&view, kOwnWindow);
    if (!dc.IsSetUp())
        return ui::kDropNone;
    const DRAG_DESCRIPTION& d = drag.description;
    const POINT at = DeviceToLogical(dc, point);
    POINT pos {at.x - d.grab.x, at.y - d.grab.y};
    view.SnapPoint(pos);
    const RECT r {pos.x, pos.y, pos.x + d.size.cx, pos.y + d.size.cy};
    RECT onWindow = r;
    view.ToDeviceRect(onWindow);
    onWindow.right = std::max(onWindow.right, onWindow.left + kLeastFeedback);
    onWindow.bottom = std::max(onWindow.bottom, onWindow.top + kLeastFeedback);
    if (drag.shown && *drag.shown == onWindow)
        return drag.feedbackState == kFeedbackRefused ? ui::kDropNone : effect;
    EraseDragFeedback();
    drag.feedbackState = static_cast<int>(effect);
    const POINT scroll = view.GetScrollPos();
    const RECT test = RECT {at.x - d.extentOffset.x, at.y - d.extentOffset.y, at.x - d.extentOffset.x + d.extent.cx,
        at.y - d.extentOffset.y + d.extent.cy}
                          .Offset(-scroll.x, -scroll.y);
    const bool valid = view.IsValidPlacement(test.left, test.top, test.right, test.bottom, selection) != 0;
    drag.feedbackOrigin = pos;
    InvertFeedback(onWindow);
    drag.shown = onWindow;
    view.ShowPositionInRulers(&r);
    view.ShowPosSize(r);
    if (!valid) {
        drag.feedbackState = kFeedbackRefused;
        return ui::kDropNone;
    }
    return effect;
}

void DESIGN_DROP::OnDragLeave()
{
    EraseDragFeedback();
    if (ownDrag)
        ownDrag->HideOutline();
    FSELECTION* selection = view.GetSelection();
    if (drag.feedbackState == kFeedbackRefused && selection && selection->GetCount() > 0) {
        RECT r;
        selection->GetRect(r);
        view.ShowPositionInRulers(&r);
    } else {
        view.ShowPositionInRulers(nullptr);
    }
    drag.feedbackState = 0;
}

void DESIGN_DROP::InvertFeedback(const RECT& onWindow)
{
    VIEWDC dc(&view, kOwnWindow);
    if (dc.IsSetUp())
        DrawInPixels(dc, [&](gdi::DC& device) { device.DrawFocusRect(onWindow); });
}

void DESIGN_DROP::EraseDragFeedback()
{
    // Drawn by inversion: drawing it again erases it.
    if (drag.shown)
        InvertFeedback(*drag.shown);
    drag.shown.reset();
}

void DESIGN_DROP::EraseBeforeScroll()
{
    if (drag.shown)
        EraseDragFeedback();
    if (ownDrag)
        ownDrag->HideOutline();
}

bool DESIGN_DROP::OnDrop(const ui::DataObject& data, unsigned effect, POINT point)
{
    const bool offered = drag.objectOffered;
    OnDragLeave();
    FDOCUMENT* doc = view.GetFormDocument();
    FSELECTION* selection = view.GetSelection();
    FORM_EDITOR* editor = view.GetEditor();
    if (!offered || !doc || !selection || !editor || (effect != ui::kDropCopy && effect != ui::kDropMove))
        return false;
    if (ownDrag && effect == ui::kDropMove) {
        // A move within the view.
        const RECT target = ownDrag->DropAt(point);
        const std::vector<FORMOBJ*> snapshot = editor->FieldsByPosition();
        selection->Invalidate(&view);
        selection->SetRectBy(target.left, target.top, target.right, target.bottom);
        selection->Invalidate(&view);
        editor->FollowFillingOrder(snapshot);
        drag.droppedHere = true;
        return true;
    }
    if (FDESIGNVIEW* source = DragSourceOfForm())
        return DropFromSameForm(*source, data, effect, point);
    // From another form or program: the form's design view that holds a
    // selection lets it go.
    if (ui::Document* owner = view.GetDocument())
        for (ui::View* each : owner->Views())
            if (auto* other = dynamic_cast<FDESIGNVIEW*>(each);
                other && other->GetSelection() && other->GetSelection()->GetCount() > 0) {
                other->ClearSelection();
                break;
            }
    doc->GetUndoList().Clear();
    std::unique_ptr<FSELECTION> paste = PasteDropped(data);
    if (!paste)
        return false;
    VIEWDC dc(&view, kOwnWindow);
    if (!dc.IsSetUp())
        return false;
    const POINT at = DeviceToLogical(dc, point);
    POINT pos {at.x - drag.description.grab.x, at.y - drag.description.grab.y};
    view.SnapPoint(pos);
    const RECT target {pos.x, pos.y, pos.x + drag.description.size.cx, pos.y + drag.description.size.cy};
    if (!editor->PlaceDropped(*paste, target))
        return false;
    ActivateForDrop();
    drag.droppedHere = true;
    view.InvalidateAll();
    return true;
}

FDESIGNVIEW* DESIGN_DROP::DragSourceOfForm()
{
    if (ui::Document* owner = view.GetDocument())
        for (ui::View* each : owner->Views())
            if (auto* other = dynamic_cast<FDESIGNVIEW*>(each); other && other->GetDrop().IsDragSource())
                return other;
    return nullptr;
}

bool DESIGN_DROP::DropFromSameForm(FDESIGNVIEW& source, const ui::DataObject& data, unsigned effect, POINT point)
{
    FDOCUMENT* doc = view.GetFormDocument();
    FSELECTION* selection = view.GetSelection();
    FORM_EDITOR* editor = view.GetEditor();
    FORM_EDITOR* sourceEditor = source.GetEditor();
    if (!sourceEditor)
        return false;
    VIEWDC dc(&view, kOwnWindow);
    if (!dc.IsSetUp())
        return false;
    const DRAG_DESCRIPTION d
        = ownDrag ? DRAG_DESCRIPTION {drag.description.size, ownDrag->GetGrab(), {}, {}} : drag.description;
    const POINT at = DeviceToLogical(dc, point);
    POINT pos {at.x - d.grab.x, at.y - d.grab.y};
    view.SnapPoint(pos);
    RECT target {pos.x, pos.y, pos.x + d.size.cx, pos.y + d.size.cy};
    if (ownDrag) {
        RECT own;
        selection->GetRect(own);
        target = ownDrag->DropAt(point);
        target.right = target.left + own.Width();
        target.bottom = target.top + own.Height();
    }
    doc->GetUndoList().Clear();

    if (effect == ui::kDropCopy) {
        if (!editor->CopyFrom(
                *sourceEditor, [&] { return PasteDropped(data); }, target))
            return false;
    } else {
        const FORM_EDITOR::MoveResult moved = editor->MoveFrom(
            *sourceEditor, [&] { return PasteDropped(data); }, target);
        if (moved == FORM_EDITOR::MoveResult::PutBack) {
            source.InvalidateAll();
            return false;
        }
        if (moved == FORM_EDITOR::MoveResult::MovedMemberLeft)
            source.DeleteSelection(false);
        doc->GetUndoList().Clear();
        source.InvalidateAll();
    }
    if (&source != &view)
        ActivateForDrop();
    drag.droppedHere = true;
    view.InvalidateAll();
    return true;
}

std::unique_ptr<FSELECTION> DESIGN_DROP::PasteDropped(const ui::DataObject& data)
{
    auto paste = std::make_unique<FSELECTION>(nullptr);
    paste->PasteObjects(&view, &data);
    if (!paste->GetList() || paste->GetCount() == 0)
        return nullptr;
    return paste;
}

void DESIGN_DROP::ActivateForDrop()
{
    ui::Frame* frame = view.GetParentFrame();
    if (!frame)
        return;
    if (ui::MainFrame* main = frame->GetMainFrame())
        main->SetActiveChild(frame);
    frame->SetActiveView(&view);
}

bool DESIGN_DROP::CanDragScroll(int axis, bool forward)
{
    VIEWDC v(&view, kOwnWindow);
    if (!v.IsSetUp())
        return false;
    const POINT scroll = view.windowOrg;
    const POINT corner = view.viewportOrg;
    const RECT client = view.GetClientRect();
    const auto line = static_cast<int16_t>((axis == 0 ? client.right : client.bottom) / 5);
    const SIZE moved = view.RecalcLayout(static_cast<uint8_t>(axis), static_cast<int16_t>(forward ? line : -line), v);
    view.windowOrg = scroll;
    view.viewportOrg = corner;
    return (axis == 0 ? moved.cx : moved.cy) != 0;
}

void DESIGN_DROP::DragScroll(int axis, bool forward)
{
    const uint8_t code = forward ? SB_LINEDOWN : SB_LINEUP;
    if (axis == 0)
        view.ScrollHorz(code, 0, view.GetScrollBarCtrl(Qt::Horizontal));
    else
        view.ScrollVert(code, 0, view.GetScrollBarCtrl(Qt::Vertical));
}
