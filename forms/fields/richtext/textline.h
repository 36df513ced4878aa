// One laid-out line of a rich text: where it starts and ends, how tall it
// is, and the breaking, building, drawing and hit testing of its
// characters. The built characters live in one program-wide set of line
// buffers, valid for the line whose serial was built last: every reader
// rebuilds through BuildChars first. The buffers grow with the line.
#pragma once

#include "forms/fields/richtext/textpos.h"
#include "forms/model/textattr.h"

#include <array>
#include <cstdint>
#include <vector>

class RICHTEXT;
class TEXTDRAWINFO;

// How a line ends.
constexpr uint8_t kLineWrapped = 0;
constexpr uint8_t kLineHardBreak = 1; // CR or LF, stepped over
constexpr uint8_t kLineEndOfText = 3;
constexpr uint8_t kLineNoText = 4;

// Line spacing that makes each line as tall as its tallest font.
constexpr uint16_t kNaturalHeight = 0xFFFF;

// A selected range of a text, its ends in either order.
struct TEXTSELECTION {
    TEXTPOS anchor;
    TEXTPOS caret;
    bool IsActive() const { return anchor.IsSet() && caret.IsSet() && !(anchor == caret); }
};

// One element of the line buffers: a character with its advance, or a
// change of format (the new format, no advance).
struct LINECHAR {
    enum Kind : uint8_t { Visible, Leading, Inner, Trailing, Terminator, Format };

    TEXTPOS pos; // the character, or the first code of the run
    int32_t width = 0;
    unsigned char ch = 0; // as drawn: blanks and breaks are drawn as 32
    Kind kind = Visible;
    TEXTATTR attr; // Format: the format in force from here
};

// What lies under an x of a line.
struct LINEHIT {
    TEXTPOS pos;
    int32_t x = 0;
    TEXTATTR attr;
};

class TEXTLINE {
public:
    // Starts a line at start with the format in force there. height is the
    // fixed line height, or kNaturalHeight; width the available width.
    void Init(uint16_t height, uint16_t rotation, const TEXTPOS& start, const TEXTATTR& format, int32_t left,
        int32_t top, const TEXTDRAWINFO* drawInfo, int32_t width, const RICHTEXT* text);
    // The following line: it starts at this line's end, below this line.
    TEXTLINE Next() const;
    // A line kept from an earlier layout, for this pass's drawing
    // information: it takes a new serial, so that nothing built or broken
    // for it before (positions in blocks that an edit may have changed,
    // another device's widths) is taken for it.
    void Renew(const TEXTDRAWINFO* info);

    // Finds where the line ends and computes its metrics; nothing happens
    // when this line was the last one broken.
    void Break();
    void ComputeMetrics();
    // Fills the line buffers with the line's characters, aligned, justified
    // and, on a screen, measured with the screen's widths.
    void BuildChars();
    // Draws the characters run by run, then strike-out and underlines, then
    // the selection's highlight. fill asks for the background to be filled.
    void Draw(const TEXTDRAWINFO& info, const TEXTSELECTION* selection, bool fill);
    void InvertSelection(const TEXTDRAWINFO& info, const TEXTSELECTION* selection);

    // The x of a position on the line, alignment included; positions off
    // the line are clamped to its ends.
    int32_t XOfPos(const TEXTPOS& pos);
    // The character under x: the first whose right edge is at or beyond
    // x + 1. With mayPassEnd the answer may be the position after the last
    // stored character, else it is that character at the latest.
    LINEHIT PosOfX(int32_t x, bool mayPassEnd);

    // Lines of a fixed spacing keep the first line's descent, so that their
    // baselines lie one spacing apart whatever their fonts.
    int32_t GetBaseline() const { return bottom - (fixed && fixedDescent >= 0 ? fixedDescent : descent); }
    // The built elements and the alignment offset, for the line last built.
    static const std::vector<LINECHAR>& GetChars();
    static int32_t GetAlignOffset();

    uint32_t fixed = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t bottom = 0;
    TEXTPOS end;
    TEXTATTR endAttr;
    TEXTPOS start;
    TEXTATTR startAttr;
    TEXTPOS drawStart;
    TEXTATTR drawAttr;
    uint8_t endKind = kLineNoText;
    uint16_t height = 0;
    uint16_t ascent = 0;
    uint16_t descent = 0;
    uint16_t rotation = 0;
    uint8_t first = 0;
    uint8_t last = 0;
    // The element after the line's last visible character.
    uint32_t visibleEnd = 0;
    // From a program-wide counter, new for every line started.
    uint32_t serial = 0;
    // The descent of the first line of a fixed spacing (-1 until known).
    int32_t fixedDescent = -1;

    // What the breaker found: where the line's content ends (trailing
    // blanks follow), whether it wrapped, its blanks and width.
    TEXTPOS breakPos;
    uint8_t wrapped = 0;
    int32_t blanks = 0;
    int32_t leading = 0;
    int32_t width = 0;
    int32_t available = 0;

private:
    TEXTATTR Effective(const TEXTATTR& format) const;
    // The word broken inside: characters from the start while they fit,
    // keeping at least two.
    void BreakInsideWord();

    const TEXTDRAWINFO* drawInfo = nullptr;
    const RICHTEXT* text = nullptr;
};
