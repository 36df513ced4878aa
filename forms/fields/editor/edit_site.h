// The callback interface of an in-place editor: the editor reports keys,
// selection changes, scrolling needs and help requests to its site, and the
// site passes them on to whatever view and object are being edited. The
// operations keep their fixed order; bodies here are the defaults of a site
// that has nothing to pass on.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include <cstdint>

class QWidget;

class EDITSITE {
public:
    virtual ~EDITSITE() = default;

    // Tab (backwards with Shift).
    virtual void MoveToField(int /*backwards*/) {}
    // The selection or the caret changed; attr is the format in force.
    virtual void OnSelChange(TEXTATTR attr) = 0;
    // The format at the caret, asked for through the editor's handle.
    virtual void ReportCaretAttr(TEXTATTR /*attr*/) {}
    // F1 in the editor window; the rectangle is the edited text's on the
    // screen.
    virtual void ShowFieldHelp(
        QWidget* /*window*/, int32_t /*left*/, int32_t /*top*/, int32_t /*right*/, int32_t /*bottom*/)
    {}
    // The key-up of Page Up or Page Down: virtual key, repeat count and key
    // flags.
    virtual void OnKeyUp(unsigned /*key*/, unsigned /*repeat*/, unsigned /*flags*/) {}
    // The editor is ending over a text drawn through it: the area (screen
    // coordinates) to repaint once the editor window has gone.
    virtual void InvalidateEditRect(const RECT& /*screen*/) {}
    // The caret or a drag left the visible part of the editor: scroll by
    // the distance (twips); nonzero when scrolled.
    virtual int ScrollTo(int32_t dx, int32_t dy) { return AutoScroll(dx, dy); }
    virtual int AutoScroll(int32_t dx, int32_t dy) = 0;
    // The phrase keys: insert the phrase of the key (1 when inserted), or
    // only ask whether one exists.
    virtual int InsertPhrase(int /*alt*/, int /*ctrl*/, int /*shift*/, unsigned /*key*/) { return 0; }
    virtual int HasPhrase(int /*alt*/, int /*ctrl*/, int /*shift*/, unsigned /*key*/) { return 0; }
    // Up on the first line, Down on the last.
    virtual void MoveToCellAbove() {}
    virtual void MoveToCellBelow() {}
    // After every caret key, once the caret is in view: whether a selection
    // is active.
    virtual void OnCaretKey(int selectionActive) = 0;
    // The text needs the rectangle (left, top, right, bottom; twips): 1 when
    // the object was resized to hold it.
    virtual int FitObjectToText(const RECT& /*needed*/) { return 0; }
    // The edited object's rectangle; empty when there is none.
    virtual void GetObjectRect(RECT& out) { out = RECT {}; }
};
