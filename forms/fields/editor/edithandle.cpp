#include "forms/fields/editor/edithandle.h"

#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/richtext.h"

EDITHANDLE::~EDITHANDLE()
{
    Destroy();
}

int EDITHANDLE::Create(EDITSITE* site)
{
    Destroy();
    window = new TEXTEDITWND(site);
    state = 0;
    return 1;
}

int EDITHANDLE::Open(const EDITDRAWVALUES& values, const EDITZOOM& zoom, std::string_view text, TEXTATTR attr,
    uint8_t alignment, uint16_t limit, const RECT& windowRect, const RECT& layoutRect, QWidget* parent,
    int keepBackground)
{
    if (!window)
        return 0;
    window->hidden = hidden;
    if (!window->Open(values, zoom, text, attr, alignment, limit, windowRect, layoutRect, parent, keepBackground)) {
        Destroy();
        return 0;
    }
    state = 0;
    return 1;
}

void EDITHANDLE::Destroy()
{
    delete window;
    window = nullptr;
}

void EDITHANDLE::Close()
{
    if (!window)
        return;
    state = 1;
    window->Close();
}

void EDITHANDLE::CreateWnd(const RECT& rect, QWidget* parent)
{
    if (!window)
        return;
    window->CreateWnd(rect, parent);
    if (window->HasWnd()) {
        EDITDC dc(*window, EDITDRAWVALUES {}, window->Zoom(), RECT {});
        if (dc.Valid())
            window->SetLayoutSize(dc.DC().DPtoLP(window->GetClientRect()));
        window->Redraw();
    }
    state = 0;
}

uint16_t EDITHANDLE::EndEdit(int deleteEditor)
{
    if (!window)
        return 0;
    const uint16_t height = window->EndEdit();
    if (deleteEditor)
        Destroy();
    return height;
}

std::string EDITHANDLE::GetText() const
{
    return window ? window->GetText() : std::string();
}

int32_t EDITHANDLE::GetTextLength() const
{
    return window ? window->GetTextLength() : 0;
}

EDITSITE* EDITHANDLE::GetSite() const
{
    return window ? window->GetSite() : nullptr;
}

void EDITHANDLE::SetZoom(const EDITZOOM& zoom)
{
    if (window)
        window->SetZoom(zoom);
}

VALUESOURCE* EDITHANDLE::GetValueSource() const
{
    return window ? window->GetValueSource() : nullptr;
}

void EDITHANDLE::OpenDropList(const DROPLISTDESC& desc)
{
    if (window)
        window->OpenDropList(desc);
}

void EDITHANDLE::MoveWindow(const RECT& rect, bool repaint)
{
    if (!window)
        return;
    window->MoveWindow(rect, repaint);
    if (window->HasDropList()) {
        window->PositionDropList();
        if (DROP_BUTTON* button = window->GetDropButton())
            button->Invalidate();
    }
}

void EDITHANDLE::Redraw()
{
    if (window)
        window->Redraw();
}

int EDITHANDLE::ApplyTextAttr(const TEXTATTR& attr)
{
    if (!window)
        return 0;
    const int answer = window->ApplyTextAttr(attr);
    window->SetFocus();
    return answer;
}

void EDITHANDLE::SetAlignment(uint8_t alignment)
{
    if (window)
        window->SetAlignment(alignment);
}

void EDITHANDLE::InvalidateText()
{
    if (window)
        window->InvalidateText();
}

void EDITHANDLE::SelectAll()
{
    if (window)
        window->SelectAll();
}

void EDITHANDLE::StripCodes()
{
    if (window)
        window->StripCodes();
}

void EDITHANDLE::ReportCaretAttr()
{
    if (window)
        window->ReportCaretAttr();
}

void EDITHANDLE::SetBackColour(uint32_t colour)
{
    if (window)
        window->SetBackColour(colour);
}

void EDITHANDLE::SetBackColour2(uint32_t colour)
{
    if (window)
        window->SetBackColour2(colour);
}

void EDITHANDLE::SetRichPaste(int flag)
{
    if (window)
        window->SetRichPaste(flag);
}
