#include "forms/fields/editor/texteditwnd.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textbuffer.h"

#include "platform/gdi/muldiv.h"

#include <algorithm>

TEXTEDITWND::TEXTEDITWND(EDITSITE* site)
    : site(site)
{}

TEXTEDITWND::~TEXTEDITWND()
{
    editor.reset();
    text.reset();
    dropButton.reset();
    listFrame.reset();
    DestroyWnd();
}

int TEXTEDITWND::Open(const EDITDRAWVALUES& drawValues, const EDITZOOM& zoomValues, std::string_view stored,
    TEXTATTR attr, uint8_t alignment, uint16_t limit, const RECT& windowRect, const RECT& layoutRect, QWidget* parent,
    int keepBackground)
{
    values = drawValues;
    zoom = zoomValues;
    CreateWnd(windowRect, parent);
    if (!HasWnd())
        return 0;
    text = std::make_unique<RICHTEXT>(
        attr, alignment, layoutRect.right - layoutRect.left, layoutRect.bottom - layoutRect.top, 0);
    if (!text->CreateBuffer(stored)) {
        text.reset();
        DestroyWnd();
        return 0;
    }
    text->fitHeight = limit;
    text->opaque = keepBackground == 0 ? 1 : 0;
    editor = std::make_unique<RICHEDITOR>(this, text.get());
    active = 1;
    firstPaint = 1;
    TEXTDRAWINFO* info = GetDrawInfo();
    if (info)
        editor->Restart(*info, 0, 0);
    ReleaseDrawInfo(info);
    return 1;
}

void TEXTEDITWND::CreateWnd(const RECT& rect, QWidget* parent)
{
    if (HasWnd())
        return;
    parentWidget = parent;
    EditChildWnd::CreateWnd(parent, kEditWndId, rect, hidden == 0);
    // The drop button went with the window it lay on.
    if (listFrame && HasWnd())
        MakeDropButton();
}

void TEXTEDITWND::Close()
{
    if (listFrame)
        listFrame->ShowWindow(false);
    dropButton.reset();
    DestroyWnd();
}

uint16_t TEXTEDITWND::EndEdit()
{
    if (site && text && text->opaque == 0 && HasWnd())
        site->InvalidateEditRect(ClientToScreen(GetClientRect()));
    uint16_t height = 0;
    if (text) {
        TEXTDRAWINFO* info = GetDrawInfo();
        if (info)
            height = static_cast<uint16_t>(text->Layout(*info, nullptr, false));
        ReleaseDrawInfo(info);
    }
    editor.reset();
    text.reset();
    active = 0;
    dropButton.reset();
    listFrame.reset();
    if (HasWnd()) {
        SetCaretPos(-20000, -20000);
        HideCaret();
        DestroyCaret();
    }
    DestroyWnd();
    return height;
}

void TEXTEDITWND::SetZoom(const EDITZOOM& zoomValues)
{
    zoom = zoomValues;
    Invalidate();
    if (!HasWnd() || !text)
        return;
    EDITDC dc(*this, values, zoom, text->GetBounds());
    const gdi::RECT client = GetClientRect();
    const RECT logical = dc.DC().DPtoLP(client);
    RebuildDropList(logical);
    text->SetBounds(0, 0, logical.right - logical.left, logical.bottom - logical.top);
}

void TEXTEDITWND::SetLayoutSize(const RECT& rect)
{
    if (!text)
        return;
    text->SetBounds(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    Invalidate();
}

void TEXTEDITWND::Redraw()
{
    if (!editor)
        return;
    editor->Reformat();
    active = 1;
    editor->ShowCaretAtPos();
}

void TEXTEDITWND::SetAlignment(uint8_t alignment)
{
    if (!text || !editor || text->GetAlignment() == alignment)
        return;
    text->SetAlignment(alignment);
    editor->Reformat();
    editor->ShowCaretAtPos();
}

int TEXTEDITWND::ApplyTextAttr(const TEXTATTR& attr)
{
    if (!editor)
        return 0;
    HideCaret();
    editor->SetSelectionAttr(attr);
    editor->UpdateCaret(true);
    Invalidate();
    return 1;
}

void TEXTEDITWND::SelectAll()
{
    if (editor)
        editor->SelectAll();
}

void TEXTEDITWND::StripCodes()
{
    if (editor)
        editor->StripCodes();
}

void TEXTEDITWND::ReportCaretAttr()
{
    if (!editor || !site)
        return;
    site->ReportCaretAttr(text->GetEffectiveAttr(editor->FormatAt(editor->GetCaret())));
}

std::string TEXTEDITWND::GetText() const
{
    if (!text || !text->GetBuffer())
        return {};
    std::string bytes = text->GetBuffer()->GetText();
    const size_t end = bytes.find('\x1A');
    if (end != std::string::npos)
        bytes.resize(end);
    return bytes;
}

int32_t TEXTEDITWND::GetTextLength() const
{
    return static_cast<int32_t>(GetText().size());
}

void TEXTEDITWND::InsertText(std::string_view chars)
{
    if (!editor || ValuesOnly())
        return;
    editor->InsertPlainText(chars);
    Invalidate();
}

void TEXTEDITWND::InvalidateText()
{
    if (text && text->opaque == 0) {
        text->opaque = 1;
        Invalidate();
    }
}

TEXTDRAWINFO* TEXTEDITWND::GetDrawInfo()
{
    if (!HasWnd())
        return nullptr;
    auto dc = std::make_unique<EDITDC>(*this, values, zoom, text ? text->GetBounds() : RECT {});
    if (!dc->Valid())
        return nullptr;
    contexts.push_back(std::move(dc));
    return &contexts.back()->info;
}

void TEXTEDITWND::ReleaseDrawInfo(TEXTDRAWINFO* info)
{
    auto it = std::find_if(contexts.begin(), contexts.end(), [info](const auto& dc) { return &dc->info == info; });
    if (it != contexts.end())
        contexts.erase(it);
}

void TEXTEDITWND::CreateCaret(int32_t width, int32_t height)
{
    EditChildWnd::CreateCaret(width, height);
}

void TEXTEDITWND::ShowCaret(bool show)
{
    if (show)
        EditChildWnd::ShowCaret();
    else
        EditChildWnd::HideCaret();
}

void TEXTEDITWND::UpdateCaret(int32_t x, int32_t y)
{
    if (!HasWnd() || !text)
        return;
    EDITDC dc(*this, values, zoom, text->GetBounds());
    POINT point {x, y};
    dc.DC().LPtoDP(&point, 1);
    const int32_t width = text->GetBounds().right - text->GetBounds().left;
    if (int64_t(x) * 10 > int64_t(width) * 9) {
        // The caret stays inside the window, never right of its last column.
        POINT edge {width, 0};
        dc.DC().LPtoDP(&edge, 1);
        const int32_t last = std::min<int32_t>(edge.x, GetClientRect().right);
        if (point.x >= last)
            point.x = last - 1;
    }
    SetCaretPos(point.x, point.y);
}

uint32_t TEXTEDITWND::PickContrastColour() const
{
    const uint32_t textColour = text ? text->GetAttr().colour : 0;
    if (backColour1 != textColour)
        return backColour1;
    if (backColour2 != textColour)
        return backColour2;
    const uint32_t sum = (textColour & 0xFF) + ((textColour >> 8) & 0xFF) + ((textColour >> 16) & 0xFF);
    return sum > 384 ? 0 : 0xFFFFFF;
}

bool TEXTEDITWND::HasSelection() const
{
    return editor && editor->IsSelectionActive();
}
