// The editor window's keys, mouse, paint, clipboard commands and scrolling
// to the caret.
#include "forms/fields/editor/texteditwnd.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"

#include "platform/gdi/brush.h"
#include "platform/gdi/dc.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/virtual_keys.h"

#include <algorithm>

namespace {

// How far past the visible edge a scroll goes, in twips.
constexpr int32_t kScrollMargin = 360;

// Whether a drag selection ended with a selection, for every editor.
bool mouseSelection = false;

} // namespace

bool TEXTEDITWND::PreTranslateKeyDown(unsigned vk, unsigned, unsigned flags)
{
    // Esc closes the drop list and never reaches the view.
    if (vk == ui::VK_ESCAPE) {
        OnListKey(vk, flags);
        return true;
    }
    if (vk == ui::VK_F1) {
        if (site && HasWnd()) {
            const gdi::RECT screen = ClientToScreen(GetClientRect());
            site->ShowFieldHelp(this, RECT {screen.left, screen.top, screen.right, screen.bottom});
        }
        return true;
    }
    return false;
}

bool TEXTEDITWND::PreTranslateKeyUp(unsigned vk, unsigned repeat, unsigned flags)
{
    if (vk != ui::VK_PRIOR && vk != ui::VK_NEXT)
        return false;
    if (site)
        site->OnKeyUp(vk, repeat, flags);
    return true;
}

void TEXTEDITWND::OnKeyDown(unsigned vk, unsigned, unsigned flags)
{
    if (!editor)
        return;
    const bool ctrl = (flags & ui::kKeyCtrl) != 0;
    const bool shift = (flags & ui::kKeyShift) != 0;
    switch (vk) {
    case ui::VK_TAB:
        if (site)
            site->MoveToField(shift ? 1 : 0);
        return;
    default:
        break;
    }
    if (OnListKey(vk, flags) || ValuesOnly())
        return;
    switch (vk) {
    case ui::VK_BACK:
        ForgetListSelection();
        if (HasSelection())
            editor->DeleteSelection();
        else if (ctrl)
            editor->DeletePrevWord();
        else
            editor->OnBackspace();
        break;
    case ui::VK_RETURN:
        HideCaret();
        editor->OnChar('\n');
        EditChildWnd::ShowCaret();
        break;
    case ui::VK_END:
    case ui::VK_HOME:
    case ui::VK_LEFT:
    case ui::VK_UP:
    case ui::VK_RIGHT:
    case ui::VK_DOWN:
        if (!editor->OnKeyDown(vk, shift, ctrl) && site) {
            if (vk == ui::VK_DOWN)
                site->MoveToCellBelow();
            else if (vk == ui::VK_UP)
                site->MoveToCellAbove();
        }
        return;
    case ui::VK_DELETE:
        ForgetListSelection();
        if (HasSelection()) {
            editor->DeleteSelection();
        } else {
            editor->checkFit = 0;
            editor->DeleteChar();
            editor->checkFit = 1;
        }
        break;
    default:
        return;
    }
    Invalidate();
}

void TEXTEDITWND::OnChar(unsigned char ch, unsigned, unsigned)
{
    // In a list field the characters of Enter and Esc belong to the keys
    // the list took; printable characters are never list keys.
    if (!editor || ValuesOnly() || (dropList.source && ch < 32))
        return;
    if (ch >= 32 && ch != 127) {
        HideCaret();
        // A typed character takes the place of the selection (a field that
        // selects its text on entry is typed over), unless told to drop it.
        if (HasSelection() && replaceSelection)
            editor->DeleteSelection();
        else if (HasSelection())
            editor->ClearSelection();
        editor->OnChar(ch);
        EditChildWnd::ShowCaret();
    }
    ForgetListSelection();
    Invalidate();
}

void TEXTEDITWND::OnSysKeyUp(unsigned vk, unsigned, unsigned flags)
{
    if (vk == ui::VK_UP || vk == ui::VK_DOWN)
        OnListKey(vk, flags | ui::kKeyAlt);
}

POINT TEXTEDITWND::ToLogical(gdi::POINT point)
{
    EDITDC dc(*this, values, zoom, text ? text->GetBounds() : RECT {});
    POINT p {point.x, point.y};
    if (dc.Valid())
        dc.DC().DPtoLP(&p, 1);
    return p;
}

void TEXTEDITWND::OnLButtonDown(unsigned, gdi::POINT point)
{
    if (!active || !editor || ValuesOnly())
        return;
    HideCaret();
    editor->ClearSelection();
    const POINT p = ToLogical(point);
    TEXTDRAWINFO* info = GetDrawInfo();
    if (info)
        editor->Restart(*info, p.x, p.y);
    ReleaseDrawInfo(info);
    dragging = true;
    SetCapture();
}

void TEXTEDITWND::OnMouseMove(unsigned, gdi::POINT point)
{
    if (!dragging || !editor || ValuesOnly())
        return;
    const POINT p = ToLogical(point);
    editor->ExtendSelection(p);
    TEXTATTR attr;
    editor->GetSelectionAttr(attr);
    if (site)
        site->OnSelChange(attr);
    if (!HasCapture() || !site)
        return;
    // Outside the visible part but inside the text: scroll past the edge.
    const RECT visible = VisibleLogical();
    const RECT& bounds = text->GetBounds();
    int32_t dx = 0;
    int32_t dy = 0;
    if (p.x > visible.right && p.x < bounds.right)
        dx = p.x - visible.right + kScrollMargin;
    else if (p.x < visible.left && p.x >= bounds.left)
        dx = p.x - visible.left - kScrollMargin;
    if (p.y > visible.bottom && p.y < bounds.bottom)
        dy = p.y - visible.bottom + kScrollMargin;
    else if (p.y < visible.top && p.y >= bounds.top)
        dy = p.y - visible.top - kScrollMargin;
    if (dx || dy)
        site->ScrollTo(dx, dy);
}

void TEXTEDITWND::OnLButtonUp(unsigned, gdi::POINT)
{
    if (!active || !editor || !dragging || ValuesOnly())
        return;
    dragging = false;
    mouseSelection = HasSelection();
    if (!mouseSelection && site) {
        TEXTATTR attr;
        editor->GetSelectionAttr(attr);
        site->OnSelChange(attr);
    }
    SetFocus();
    if (!mouseSelection)
        EditChildWnd::ShowCaret();
    ReleaseCapture();
}

void TEXTEDITWND::OnLButtonDblClk(unsigned, gdi::POINT)
{
    if (!editor || ValuesOnly())
        return;
    editor->SelectWord();
    Invalidate();
    SetCapture();
}

void TEXTEDITWND::OnSetFocus()
{
    if (firstPaint || !active || !editor || editor->quiet)
        return;
    editor->CreateCaret();
    editor->UpdateCaret(!HasSelection() && !mouseSelection);
}

void TEXTEDITWND::OnKillFocus()
{
    DestroyCaret();
}

void TEXTEDITWND::OnPaint(gdi::DC& dc, const gdi::RECT&)
{
    if (!text || !editor)
        return;
    if (!firstPaint)
        text->opaque = 1;
    const bool first = firstPaint != 0;
    firstPaint = 0;
    if (text->opaque) {
        MapEditDC(dc, zoom);
        dc.FillRect(text->GetBounds(), gdi::Brush::Solid(PickContrastColour()));
        dc.SetMapMode(gdi::MM_TEXT);
    }
    editor->Reformat();
    if (first) {
        editor->CreateCaret();
        editor->UpdateCaret(true);
    }
}

RECT TEXTEDITWND::VisibleLogical()
{
    gdi::RECT client = GetClientRect();
    const gdi::RECT place = GetWindowRect();
    // The parent clips the window to its own client area.
    const gdi::RECT parent = GetParentClientRect();
    client.left = std::max(client.left, parent.left - place.left);
    client.top = std::max(client.top, parent.top - place.top);
    client.right = std::min(client.right, parent.right - place.left);
    client.bottom = std::min(client.bottom, parent.bottom - place.top);
    EDITDC dc(*this, values, zoom, text ? text->GetBounds() : RECT {});
    if (!dc.Valid())
        return {};
    return dc.DC().DPtoLP(client);
}

void TEXTEDITWND::ScrollToCaret()
{
    if (!editor)
        return;
    const POINT caret = editor->CaretPoint();
    ScrollToCaret(caret.x, caret.y, 2);
}

void TEXTEDITWND::ScrollToCaret(int32_t x, int32_t y, int mode)
{
    if (!site || !text || !editor)
        return;
    if (!IsWindowVisible()) {
        site->ScrollTo(0, 0);
        if (!IsWindowVisible())
            return;
    }
    int32_t height = 0;
    {
        TEXTDRAWINFO* info = GetDrawInfo();
        if (info)
            height = editor->CaretHeight(*info);
        ReleaseDrawInfo(info);
    }
    const int32_t refY = y + height / 2;
    RECT visible = VisibleLogical();
    const RECT& bounds = text->GetBounds();
    const int32_t textWidth = bounds.right - bounds.left;
    const int32_t textHeight = bounds.bottom - bounds.top;
    // A drop button covers the text's right end.
    visible.right = std::min(visible.right, dropButton ? dropList.buttonRect.left : textWidth);
    visible.bottom = std::min(visible.bottom, textHeight);
    if (mode == 2) {
        EDITDC dc(*this, values, zoom, bounds);
        if (dc.Valid())
            x += dc.info.DPtoLPX(1) / 2;
    }
    int32_t dx = 0;
    int32_t dy = 0;
    if (x >= 0 && x < textWidth) {
        if (x > visible.right)
            dx = x - visible.right + kScrollMargin;
        else if (x < visible.left)
            dx = x - visible.left - kScrollMargin;
    }
    if (refY >= 0 && refY < textHeight) {
        if (refY > visible.bottom)
            dy = refY - visible.bottom + kScrollMargin;
        else if (refY < visible.top)
            dy = refY - visible.top - kScrollMargin;
    }
    const bool inside = x > visible.left && x < visible.right;
    if ((mode == 2 && dx < 0 && inside) || (mode == 0 && dx > 0 && inside) || (mode == 1 && x > 0 && x < textWidth)
        || (dx > 0 && textWidth - visible.right <= 20) || (dx < 0 && textWidth == 0))
        dx = 0;
    if ((dx || dy) && site->ScrollTo(dx, dy))
        Invalidate();
}

bool TEXTEDITWND::IsCommandEnabled(unsigned id) const
{
    switch (id) {
    case ID_EDIT_COPY:
        return HasSelection();
    case ID_EDIT_CUT:
    case ID_EDIT_CLEAR:
        return HasSelection() && !ValuesOnly();
    case ID_EDIT_PASTE:
        return editor && !ValuesOnly()
            && (ui::IsClipboardFormatAvailable(kNativeTextFormat) || ui::IsClipboardFormatAvailable(ui::kFormatText));
    default:
        return false;
    }
}

bool TEXTEDITWND::OnCommand(unsigned id)
{
    if (!editor)
        return false;
    switch (id) {
    case ID_EDIT_COPY:
        if (HasSelection())
            editor->CopyToClipboard();
        return true;
    case ID_EDIT_CUT:
        if (IsCommandEnabled(ID_EDIT_CUT) && editor->CopyToClipboard()) {
            editor->DeleteSelection();
            Invalidate();
        }
        return true;
    case ID_EDIT_PASTE:
        if (IsCommandEnabled(ID_EDIT_PASTE)) {
            TEXTDRAWINFO* info = GetDrawInfo();
            if (info)
                editor->PasteFromClipboard(*info);
            ReleaseDrawInfo(info);
        }
        Invalidate();
        return true;
    case ID_EDIT_CLEAR:
        if (ValuesOnly())
            return true;
        ForgetListSelection();
        if (HasSelection())
            editor->DeleteSelection();
        Invalidate();
        return true;
    default:
        return false;
    }
}
