// The laid-out lines of an edited rich text, kept between edits. Each edit
// is told to the cache as bytes inserted or deleted at an offset; the next
// request breaks lines again only from the line before the change down to
// the first line that starts where a line started before the edit, in the
// same format: the lines below it keep their breaks and only move.
#pragma once

#include "forms/fields/richtext/textline.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <vector>

class RICHTEXT;
class TEXTDRAWINFO;

// Where a laid-out line lies in the text, as offsets from its start.
struct LINESPAN {
    int32_t start = 0;
    int32_t breakAt = -1; // where the content ends; -1 for a line without text
    int32_t end = 0; // where the next line starts
};

class LINECACHE {
public:
    // n bytes went in, or n bytes starting at the offset came out.
    void Inserted(int32_t at, int32_t n);
    void Deleted(int32_t at, int32_t n);
    // The text changed in some other way: it is laid out whole next time.
    void Clear();

    // Every line of the text, broken, without the stop at the bottom; the
    // answer stays valid until the next edit or request.
    const std::vector<TEXTLINE>& Lines(RICHTEXT& text, const TEXTDRAWINFO& info);
    // The spans of the lines last answered, one for each.
    const std::vector<LINESPAN>& Spans() const { return spans; }
    // The index of the line holding an offset: the first line that ends
    // after it, else the last line.
    size_t LineOf(int32_t offset) const;

private:
    // What the breaks depend on besides the text.
    struct KEY {
        int32_t width = 0;
        uint16_t fitHeight = 0;
        uint16_t firstLineOffset = 0;
        uint16_t rotation = 0;
        TEXTATTR attr;
        uint16_t printerId = 0;
        int8_t slot = 0;
        bool operator==(const KEY& other) const;
    };
    static KEY KeyOf(const RICHTEXT& text, const TEXTDRAWINFO& info);

    void LayoutAll(RICHTEXT& text, const TEXTDRAWINFO& info);
    void LayoutChanged(RICHTEXT& text, const TEXTDRAWINFO& info);
    // Breaks from line (which starts at offset) and adds it and the lines
    // after it until the text ends, or until a line would start where an
    // old line from resume on started (shifted by the edit) in the same
    // format; the old lines from there are then moved under the new ones.
    // limit bounds the number of lines of a layout that runs away.
    void Continue(TEXTLINE line, int32_t offset, const std::vector<TEXTLINE>& oldLines,
        const std::vector<LINESPAN>& oldSpans, size_t resume, int32_t limit);
    // Puts every line's positions on its offsets in the buffer as it is now.
    void PlaceAll(RICHTEXT& text, const TEXTDRAWINFO& info);

    std::vector<TEXTLINE> lines;
    std::vector<LINESPAN> spans;
    KEY key;
    bool valid = false;
    // The text's length when the lines were laid out.
    int32_t length = 0;
    // Bytes before from are as laid out; bytes from to on stood delta bytes
    // earlier when the lines were laid out.
    bool edited = false;
    int32_t from = 0;
    int32_t to = 0;
    int32_t delta = 0;
};
