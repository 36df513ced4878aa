// The rich text of one object (a text object, a field value being edited, a
// tip): its buffer, default format, bounds and alignment. This part holds
// the text and resolves the format in force; laying out and drawing lines
// build on it.
#pragma once

#include "forms/fields/richtext/text_zoom.h"
#include "forms/fields/richtext/textbuffer.h"
#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <memory>
#include <string_view>

// Alignment byte values.
constexpr uint8_t kTextAlignLeft = 0;
constexpr uint8_t kTextAlignRight = 1;
constexpr uint8_t kTextAlignCentred = 3;
constexpr uint8_t kTextAlignJustified = 4;

class TEXTDRAWINFO;
class TEXTLINE;
struct TEXTSELECTION;

namespace gdi {
class DC;
}

class RICHTEXT {
public:
    RICHTEXT(const TEXTATTR& attr, uint8_t alignment, int32_t width, int32_t height, uint16_t rotation);

    // A new buffer holding the stored text before its end mark; incomplete
    // codes in the text are dropped. 1 on success.
    int CreateBuffer(std::string_view text);
    void DeleteBuffer();
    TEXTBUFFER* GetBuffer() const { return buffer.get(); }

    void SetBounds(int32_t l, int32_t t, int32_t r, int32_t b) { bounds = {l, t, r, b}; }
    const RECT& GetBounds() const { return bounds; }
    SIZE GetWidth() const { return {bounds.right - bounds.left, 0}; }
    const TEXTATTR& GetAttr() const { return attr; }
    uint8_t GetAlignment() const { return alignment; }
    // Returns the old alignment.
    uint8_t SetAlignment(uint8_t value);
    void SetBottomMargin(uint16_t value) { bottomMargin = value; }
    uint16_t GetBottomMargin() const { return bottomMargin; }
    void SetFirstLineOffset(uint16_t value) { firstLineOffset = value; }
    uint16_t GetFirstLineOffset() const { return firstLineOffset; }
    uint16_t GetRotation() const { return rotation; }

    // No position without a buffer.
    TEXTPOS GetStart() const;
    TEXTPOS GetEnd() const;
    // The format with every field that asks for the default (a flag of 2, a
    // typeface or size of 0xFFFE, the colour 0xFFFFFFFE) taken from the
    // default format.
    TEXTATTR GetEffectiveAttr(const TEXTATTR& format) const;

    // Lays the text out line by line from the first, drawing each line when
    // draw is set, until the end of the text or the first line after the
    // first whose baseline lies below the bottom less the bottom margin.
    // Answers the bottom of the last line laid out: the text's height.
    int32_t Layout(const TEXTDRAWINFO& drawInfo, const TEXTSELECTION* selection, bool draw);
    // The first line of a layout, broken: with a fixed line spacing it is
    // moved down by what its own height exceeds the spacing (the first-line
    // offset is set to that).
    TEXTLINE StartLayout(const TEXTDRAWINFO& drawInfo);
    // Draws the text with its top left at origin; the turn is about the
    // centre of rect, in the text's own twips.
    int32_t DrawIn(gdi::DC& dc, POINT origin, uint8_t mode, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
        const RECT& rect, uint16_t angle);

    uint32_t opaque = 0;
    uint16_t fitHeight = 0xFFFF;

private:
    RECT bounds;
    uint16_t rotation = 0;
    TEXTATTR attr;
    uint8_t alignment = kTextAlignLeft;
    uint16_t bottomMargin = 0;
    uint16_t firstLineOffset = 0;
    std::unique_ptr<TEXTBUFFER> buffer;
};
