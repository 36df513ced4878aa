// The editor's drop-down list: its frame, list box and drop button, the
// keys that work on it, and keeping its selection and the text in step.
#include "forms/fields/editor/texteditwnd.h"

#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/model/icon_box.h"
#include "forms/model/program_fonts.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/ui/list_box.h"
#include "platform/ui/virtual_keys.h"

#include <algorithm>
#include <string>

namespace {

// The face of the list's entries when the field's format names none.
constexpr const char* kListFace = "Arial";
// How far the drop button stands in from the field's top, right and bottom
// edges, and how wide it may be at most (twips).
constexpr int32_t kButtonInset = 15;
constexpr int32_t kButtonMaxWidth = 360;

// Fills the drop list's box through a field's value list.
class LISTBOXFILL : public VALUELISTBOX {
public:
    explicit LISTBOXFILL(ui::ListBox& box)
        : box(box)
    {}
    void ResetContent() override { box.ResetContent(); }
    void AddString(std::string_view text) override { box.AddString(text); }

private:
    ui::ListBox& box;
};

} // namespace

DROP_BUTTON::DROP_BUTTON(QWidget* parent, const gdi::RECT& rect)
    : ui::OwnerDrawButton(parent, kDropButtonId, rect, [](gdi::DC& dc, const gdi::RECT& client) {
        VIEWDC view;
        view.dc = &dc;
        DrawIconBox(view, client);
    })
{}

void TEXTEDITWND::OpenDropList(const DROPLISTDESC& desc)
{
    if (!HasWnd() || !text || !editor)
        return;
    dropButton.reset();
    listFrame.reset();
    dropList = desc;
    MakeDropListWindows(true);
    if (GetTextLength() > 0) {
        editor->SelectAll();
        Invalidate();
    }
}

void TEXTEDITWND::MakeDropListWindows(bool integralHeight)
{
    gdi::RECT place = DropListPlace();
    // The list never reaches below the parent's client area.
    place.bottom = std::min(place.bottom, GetParentClientRect().bottom + 1);
    listFrame = std::make_unique<DROPLIST_WND>(this, parentWidget, place);
    listFrame->integralHeight = integralHeight;
    ui::ListBox& box = listFrame->CreateListBox(kDropListBoxId);
    CreateEditFont(box);
    if (dropList.source) {
        LISTBOXFILL fill(box);
        dropList.source->Fill(fill);
    }
    box.Enable(true);
    if (integralHeight) {
        place.bottom = place.top + box.GetIntegralHeight(place.bottom - place.top);
        listFrame->MoveWindow(place);
    }
    listFrame->SetSelChangeHandler([this] { OnListSelChange(); });
    MakeDropButton();
}

void TEXTEDITWND::MakeDropButton()
{
    EDITDC dc(*this, values, zoom, text ? text->GetBounds() : RECT {});
    if (!dc.Valid())
        return;
    dropButton = std::make_unique<DROP_BUTTON>(GetWidget(), dc.DC().LPtoDP(dropList.buttonRect).Normalized());
    dropButton->SetClickHandler([this] { ToggleDropList(); });
}

gdi::RECT TEXTEDITWND::DropListPlace()
{
    EDITDC dc(*this, values, zoom, text ? text->GetBounds() : RECT {});
    if (!dc.Valid())
        return {};
    const gdi::RECT at = GetWindowRect();
    gdi::RECT place = dc.DC().LPtoDP(dropList.listRect).Normalized().Offset(at.left, at.top);
    ++place.right;
    ++place.bottom;
    return place;
}

void TEXTEDITWND::CreateEditFont(ui::ListBox& box)
{
    const TEXTATTR attr = text->GetAttr();
    const FONTFACE* face = GetProgramFonts().GetAt(attr.face);
    std::string name = face && !face->IsPlaceholder() ? face->GetName() : std::string();
    if (name.empty())
        name = kListFace;
    EDITDC dc(*this, values, zoom, text->GetBounds());
    POINT size[2] {{0, 0}, {0, attr.size}};
    if (dc.Valid())
        dc.DC().LPtoDP(size, 2);
    box.SetFont(name, size[1].y - size[0].y, attr.bold != 0, attr.italic != 0);
}

void TEXTEDITWND::PositionDropList()
{
    if (!listFrame)
        return;
    gdi::RECT place = DropListPlace();
    if (const ui::ListBox* box = listFrame->GetListBox(); box && listFrame->integralHeight)
        place.bottom = place.top + box->GetIntegralHeight(place.bottom - place.top);
    listFrame->MoveWindow(place);
}

void TEXTEDITWND::MoveDropButton(const RECT& rect)
{
    dropList.buttonRect = rect;
    if (!dropButton || !text)
        return;
    EDITDC dc(*this, values, zoom, text->GetBounds());
    if (dc.Valid())
        dropButton->MoveWindow(dc.DC().LPtoDP(rect).Normalized());
}

void TEXTEDITWND::RebuildDropList(const RECT& client)
{
    ui::ListBox* box = GetDropListBox();
    if (!box)
        return;
    const int32_t height = client.bottom - client.top - 2 * kButtonInset;
    const int32_t textWidth = text->GetBounds().right - text->GetBounds().left;
    const int32_t width = std::min({height, textWidth / 2, kButtonMaxWidth});
    const int32_t right = client.right - kButtonInset;
    dropList.buttonRect = {right - width, client.top + kButtonInset, right, client.bottom - kButtonInset};
    const int selection = box->GetCurSel();
    const int synchronised = listFrame->synchronised;
    dropButton.reset();
    listFrame.reset();
    MakeDropListWindows(false);
    if (ui::ListBox* rebuilt = GetDropListBox()) {
        rebuilt->SetCurSel(selection);
        listFrame->synchronised = synchronised;
    }
}

bool TEXTEDITWND::IsDropListShown() const
{
    return listFrame && listFrame->IsWindowVisible();
}

ui::ListBox* TEXTEDITWND::GetDropListBox() const
{
    return listFrame ? listFrame->GetListBox() : nullptr;
}

void TEXTEDITWND::CloseDropList()
{
    if (!listFrame)
        return;
    listFrame->ShowWindow(false);
    SetFocus();
}

void TEXTEDITWND::ToggleDropList()
{
    if (!listFrame)
        return;
    if (!listFrame->synchronised)
        SynchroniseDropList();
    listFrame->ShowWindow(!listFrame->IsWindowVisible());
    SetFocus();
}

void TEXTEDITWND::ForgetListSelection()
{
    ui::ListBox* box = GetDropListBox();
    if (!box)
        return;
    if (box->GetCurSel() != ui::ListBox::kNone)
        box->SetCurSel(ui::ListBox::kNone);
    listFrame->synchronised = 0;
    SetFocus();
}

void TEXTEDITWND::SynchroniseDropList()
{
    ui::ListBox* box = GetDropListBox();
    if (!box)
        return;
    const int found = box->FindStringExact(ui::ListBox::kNone, GetText());
    if (found != ui::ListBox::kNone) {
        box->SetCurSel(found);
        TakeListItem();
    } else if (box->GetCount() > 0) {
        box->SetCurSel(0);
    }
    listFrame->synchronised = 1;
}

void TEXTEDITWND::TakeListItem()
{
    ui::ListBox* box = GetDropListBox();
    // Without a selected entry there is nothing to take: the text stays.
    if (!box || !editor || box->GetCurSel() == ui::ListBox::kNone)
        return;
    const std::string item = box->GetText(box->GetCurSel());
    HideCaret();
    editor->SelectAll();
    editor->DeleteSelection();
    // The entry is taken whole even where it does not fit the field.
    editor->checkFit = 0;
    editor->InsertPlainText(item);
    editor->checkFit = 1;
    if (!item.empty())
        editor->SelectAll();
    else
        EditChildWnd::ShowCaret();
    Invalidate();
}

void TEXTEDITWND::OnListSelChange()
{
    TakeListItem();
    if (listFrame)
        listFrame->synchronised = 1;
    CloseDropList();
}

bool TEXTEDITWND::OnListKey(unsigned vk, unsigned flags)
{
    if (!dropList.source)
        return false;
    const bool upDown = vk == ui::VK_UP || vk == ui::VK_DOWN;
    if (upDown && (flags & ui::kKeyAlt)) {
        ToggleDropList();
        return true;
    }
    if (vk == ui::VK_ESCAPE) {
        CloseDropList();
        return true;
    }
    if (vk == ui::VK_RETURN) {
        const ui::ListBox* box = GetDropListBox();
        if (box && box->GetCurSel() != ui::ListBox::kNone) {
            TakeListItem();
            listFrame->synchronised = 1;
        }
        CloseDropList();
        return true;
    }
    if (!upDown)
        return false;
    ui::ListBox* box = GetDropListBox();
    if (!box)
        return true;
    if (!listFrame->synchronised) {
        SynchroniseDropList();
        return true;
    }
    const int count = box->GetCount();
    if (count == 0)
        return true;
    const int selected = box->GetCurSel();
    box->SetCurSel(vk == ui::VK_UP ? std::max(selected - 1, 0) : std::min(selected + 1, count - 1));
    TakeListItem();
    return true;
}
