// A short-lived drawing context of the in-place editor's window whose
// logical unit is the twip at the view's zoom, with the drawing information
// the rich text is laid out and drawn through.
#pragma once

#include "forms/fields/richtext/textdrawinfo.h"

#include "platform/gdi/dc.h"

#include <cstdint>
#include <memory>

namespace ui {
class EditChildWnd;
}

// The four zoom percentages of an edit: viewport x and y, window x and y.
struct EDITZOOM {
    int32_t viewportX = 100;
    int32_t viewportY = 100;
    int32_t windowX = 100;
    int32_t windowY = 100;
};

// What the text is laid out for: the device kind, resolution slot and printer.
struct EDITDRAWVALUES {
    uint8_t mode = kTextOnWindow;
    int8_t slot = 0;
    uint16_t printerId = 0;
};

// Sets the twips-at-zoom mapping on a context of the window.
void MapEditDC(gdi::DC& dc, const EDITZOOM& zoom);

class EDITDC {
public:
    // Null context (and Valid() false) when the window has none.
    EDITDC(ui::EditChildWnd& wnd, const EDITDRAWVALUES& values, const EDITZOOM& zoom, const RECT& bounds);
    bool Valid() const { return dc != nullptr; }
    gdi::DC& DC() { return *dc; }
    TEXTDRAWINFO info;

private:
    std::unique_ptr<gdi::DC> dc;
};
