// The value of a check-box field: checked or not, shown as a small box with
// a cross, a tick or a round dot beside an optional caption. Check boxes of
// one list may form a radio group, in which checking one clears the others.
#pragma once

#include "forms/fields/datatypes/datatype.h"

#include <memory>
#include <string>

class BORDER;

namespace ui {
class CheckBoxWnd;
}

// Mark styles.
constexpr uint8_t kCheckCross = 1;
constexpr uint8_t kCheckTick = 2;
constexpr uint8_t kCheckRound = 3;

// Distance of the box from the field's edge, and of the caption from the box.
constexpr int32_t kCheckBoxInset = 72;

class CHECK_DATATYPE : public DATATYPE {
public:
    CHECK_DATATYPE();
    ~CHECK_DATATYPE() override;
    const char* GetRuntimeClass() const override { return "CHECK_DATATYPE"; }
    // The check box's window over the field's device rectangle (editRect),
    // a child of the fill view's window, with the focus; a box partly out
    // of sight is scrolled into it.
    void CreateControl(const TEXTDRAWINFO& info, const RECT& editRect, const RECT& textRect, TEXTATTR attr,
        uint8_t alignment, uint16_t textLimit, const uint32_t* background1, const uint32_t* background2,
        OBJECT_VIEW* fillView, FORMOBJ* field, uintptr_t handleValue) override;
    // Destroys the window and gives the focus back to the view; 1.
    int EndEdit(OBJECT_VIEW* view, const RECT& updateRect, END_EDIT_FLAGS flags) override;
    void SetFocus(uintptr_t) override;
    int Draw(VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ* field,
        uint16_t outputMode) override;
    // Group 5: record 0x81 (u16 checked, u8 style, u16 text position, u16
    // radio), 0x82 the caption (u16 n with the NUL, the bytes), 0x83 the
    // initial state, 0xFF.
    void Save(RECORDARCHIVE& ar) override;
    int Load(RECORDARCHIVE& ar) override;
    std::unique_ptr<DATATYPE> Clone() const override;
    // checked := the initial state.
    int InitialiseValue() override;
    int ResetValue(uint32_t increment) override;
    // view and field: flips the value, or for a radio button checks it and
    // clears the others of its group; repaints the box and asks the
    // document to recalculate the field.
    // The caption editor: closing takes its text into the caption, a click
    // in the caption (device units) opens it, black on white.
    void CloseControl(OBJECT_VIEW* view, FORMOBJ* field) override;
    void Toggle(uintptr_t view, uintptr_t field) override;
    void InvalidateOwner(uintptr_t view, uintptr_t field) override;
    int HitControl(OBJECT_VIEW* view, int32_t x, int32_t y, FORMOBJ* field) override;
    int HasControl() override { return pEditHandle ? 1 : 0; }
    int16_t GetColumnType() override { return kColumnBoolean; }
    // The caption editor's text becomes the caption.
    void TakeEditorText() override;
    // The caption's first line: from the caption's left and top to the
    // field's right edge, one font height tall; device units, invalidated
    // when asked.
    RECT& GetMarkRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate) override;
    // The box in the view's device units, invalidated when asked.
    RECT& GetEditRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate) override;
    uint8_t GetTypeTag() override { return kKindCheckBox; }
    int Clear() override;
    void GetOperand(OPERAND& out) override;
    void SetFromOperand(const OPERAND& operand) override;
    int CompareValue(DATATYPE& other) override;

    // The box and the caption's rectangle of the field (twips): the box a
    // square of 80 % of the font's ascent, 72 twips in from the field's
    // left (text position 0) or right edge, exact in device pixels.
    RECT GetBoxRect(VIEWDC& dc, FORMOBJ& field, const TEXTATTR& attr);
    RECT GetTextRect(VIEWDC& dc, FORMOBJ& field, const TEXTATTR& attr);
    void SetRadio(int radio) { bRadio = radio ? 1 : 0; }
    // Opens the rich-text editor over the caption with the field's font in
    // the text colour on the back colour; on failure none stays open.
    void EditCaption(VIEWDC& dc, uint32_t textColour, uint32_t backColour, OBJECT_VIEW* view, FORMOBJ* field);
    // Moves an open caption editor to the caption of the field as it now
    // lies, at the context's zoom.
    void MoveCaptionEditor(VIEWDC& dc, FORMOBJ* field);
    // Clears the other checked radio buttons of the list that holds the
    // field: each is marked modified, its box repainted and, when asked,
    // the formulas that depend on it marked out of date.
    static void UncheckOthers(OBJECT_VIEW* view, FORMOBJ& field, int tellFormulas);
    // The field that the box belongs to while it is active.
    void SetOwner(FORMOBJ* field) { pOwner = field; }

    uint32_t nChecked = 1;
    uint8_t nStyle = kCheckCross;
    uint32_t nTextPos = 1;
    std::string strCaption;
    FORMOBJ* pOwner = nullptr;
    uint32_t bRadio = 0;
    uint8_t nInitial = 0;

    // The window while the field is active in the fill view, else null.
    ui::CheckBoxWnd* GetWindow() const { return pControl.get(); }

private:
    class WindowOwner;
    // Scrolls the view so that the box of a field partly in sight shows
    // with a margin (editRect in the view's pixels).
    void ShowBox(OBJECT_VIEW& view, const RECT& editRect, FORMOBJ* field);
    // A plain field's box: its shadow, fill and border.
    void DrawBoxBackground(VIEWDC& dc, const RECT& box, FORMOBJ& field, const BORDER& line, bool hasBorder);
    // The mark inside the box (device units around the mapping).
    void DrawMark(VIEWDC& dc, const RECT& inner, uint32_t colour);

    std::unique_ptr<WindowOwner> pWindowOwner;
    std::unique_ptr<ui::CheckBoxWnd> pControl;
};
