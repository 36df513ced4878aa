// The callback interface from an in-place editor towards whatever it edits:
// the editor reports keys, format changes, scrolling needs and help requests
// to its site, and the site passes them on to the view and the object being
// edited. The operations keep this order.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include <cstdint>

namespace ui {
class Wnd;
}

class EDITSITE {
public:
    virtual ~EDITSITE() = default;

    // Tab (backwards with Shift).
    virtual void MoveToField(int /*backwards*/) {}
    // The format at the caret, or common to the selection, after every caret
    // move and edit.
    virtual void OnSelChange(TEXTATTR attr) = 0;
    // The format at the caret on request, and after a refused format change.
    virtual void ReportCaretAttr(TEXTATTR /*attr*/) {}
    // F1; the rectangle is in screen coordinates.
    virtual void ShowFieldHelp(ui::Wnd* /*window*/, const RECT& /*rect*/) {}
    // Key-up of Page Up or Page Down.
    virtual void OnKeyUp(unsigned /*key*/, unsigned /*repeat*/, unsigned /*flags*/) {}
    // The area (screen) to repaint once the editor has gone.
    virtual void InvalidateEditRect(const RECT& /*rect*/) {}
    // The caret or a drag left the visible part; nonzero when scrolled.
    virtual int ScrollTo(int32_t dx, int32_t dy) { return AutoScroll(dx, dy); }
    virtual int AutoScroll(int32_t dx, int32_t dy) = 0;
    // Phrase keys: inserts the phrase of the key, or only asks whether one
    // exists; 1 when inserted or found.
    virtual int InsertPhrase(int /*alt*/, int /*ctrl*/, int /*shift*/, unsigned /*key*/) { return 0; }
    virtual int HasPhrase(int /*alt*/, int /*ctrl*/, int /*shift*/, unsigned /*key*/) { return 0; }
    // Up on the first line, Down on the last.
    virtual void MoveToCellAbove() {}
    virtual void MoveToCellBelow() {}
    // After every caret key, once the caret is in view: whether a selection
    // is active.
    virtual void OnCaretKey(int /*selectionActive*/) {}
    // Asked before an edit that overflows is refused: may the object grow so
    // that the needed text rectangle fits? 1 when it was resized.
    virtual int FitObjectToText(const RECT& /*needed*/) { return 0; }
    virtual void GetObjectRect(RECT& rect) { rect = RECT {}; }
};
