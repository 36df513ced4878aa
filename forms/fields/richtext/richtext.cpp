#include "forms/fields/richtext/richtext.h"

RICHTEXT::RICHTEXT(const TEXTATTR& attr, uint8_t alignment, int32_t width, int32_t height, uint16_t rotation)
    : bounds {0, 0, width, height}
    , rotation(rotation)
    , attr(attr)
    , alignment(alignment)
{}

int RICHTEXT::CreateBuffer(std::string_view text)
{
    buffer = std::make_unique<TEXTBUFFER>();
    TEXTPOS start = buffer->GetStart();
    return buffer->InsertStoredText(start, text);
}

void RICHTEXT::DeleteBuffer()
{
    buffer.reset();
}

uint8_t RICHTEXT::SetAlignment(uint8_t value)
{
    const uint8_t old = alignment;
    alignment = value;
    return old;
}

TEXTPOS RICHTEXT::GetStart() const
{
    return buffer ? buffer->GetStart() : TEXTPOS();
}

TEXTPOS RICHTEXT::GetEnd() const
{
    return buffer ? buffer->GetEnd() : TEXTPOS();
}

TEXTATTR RICHTEXT::GetEffectiveAttr(const TEXTATTR& format) const
{
    // The format's own values, the rich text's default where it is mixed.
    TEXTATTR effective = attr;
    effective.Merge(format);
    return effective;
}
