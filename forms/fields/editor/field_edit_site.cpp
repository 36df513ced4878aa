#include "forms/fields/editor/field_edit_site.h"

#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/model/rotation.h"
#include "forms/model/viewdc.h"

#include "platform/ui/virtual_keys.h"

#include <algorithm>

namespace {

int16_t ToI16(int32_t v)
{
    return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX));
}

} // namespace

FIELDEDITSITE::FIELDEDITSITE(OBJECT_VIEW* view, FORMOBJ* object)
    : view(view)
    , object(object)
{}

FIELDEDITSITE::~FIELDEDITSITE()
{
    view = nullptr;
}

void FIELDEDITSITE::MoveToField(int backwards)
{
    if (view)
        view->MoveToField(backwards == 0);
}

void FIELDEDITSITE::OnSelChange(TEXTATTR attr)
{
    if (view)
        view->SetTextAttr(attr);
}

void FIELDEDITSITE::ReportCaretAttr(TEXTATTR attr)
{
    if (!view)
        return;
    view->SetTextAttr(attr);
    view->UpdateFormatBar(1);
}

void FIELDEDITSITE::ShowFieldHelp(ui::Wnd*, const RECT& rect)
{
    if (view)
        view->ShowFieldHelp(object, rect);
}

void FIELDEDITSITE::OnKeyUp(unsigned key, unsigned, unsigned flags)
{
    if (view && (key == ui::VK_PRIOR || key == ui::VK_NEXT))
        view->OnPageKeyUp(key == ui::VK_PRIOR, (flags & ui::kKeyCtrl) != 0);
}

void FIELDEDITSITE::InvalidateEditRect(const RECT& screen)
{
    if (view)
        view->SetEditRepaintRect(screen);
}

int FIELDEDITSITE::AutoScroll(int32_t dx, int32_t dy)
{
    if (!view || !object)
        return 0;
    return view->AutoScroll(ToI16(dx), ToI16(dy), object->GetPage());
}

void FIELDEDITSITE::MoveToCellAbove()
{
    if (view && object && object->GetType() == kTypeCell)
        view->MoveToCellAbove();
}

void FIELDEDITSITE::MoveToCellBelow()
{
    if (view && object && object->GetType() == kTypeCell)
        view->MoveToCellBelow();
}

int FIELDEDITSITE::FitObjectToText(const RECT& needed)
{
    if (!view || !object || object->GetType() == kTypeField || object->GetType() == kTypeCell)
        return 0;
    RECT rect;
    object->GetRect(rect);
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    RECT area;
    object->GetTextRect(area, dc);
    const RECT fitted {
        rect.left, rect.top, rect.right + needed.Width() - area.Width(), rect.bottom + needed.Height() - area.Height()};
    // Turned about its own centre as the object is.
    RECT placed = fitted;
    if (const uint16_t angle = object->GetRotation()) {
        ROTATION turn;
        turn.Set(fitted.left, fitted.top, fitted.right, fitted.bottom, angle);
        object->GetRotatedBounds(placed, turn);
    }
    placed = placed.Offset(-dc.originX, -dc.originY);
    if (!view->IsValidObjectPlacement(object, placed))
        return 0;
    object->SetRect(fitted.left, fitted.top, fitted.right, fitted.bottom);
    return 1;
}

void FIELDEDITSITE::GetObjectRect(RECT& out)
{
    if (object)
        object->GetRect(out);
    else
        out = RECT {};
}
