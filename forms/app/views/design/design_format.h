// DESIGN_FORMAT: the design view's format commands and format bar. The
// Format dialogs, the appearance sheet, the alignment and text-style
// commands work on the selected objects through the view's form editor, or,
// with no such attribute selected, on the attributes new objects take,
// which it keeps; the format bar's boxes and buttons show and change them.
#pragma once

#include "forms/document/design_defaults.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"

#include <cstdint>

class FDESIGNVIEW;
class FORMAT_BAR;
class FORMOBJ;

class DESIGN_FORMAT {
public:
    explicit DESIGN_FORMAT(FDESIGNVIEW& view);
    DESIGN_FORMAT(const DESIGN_FORMAT&) = delete;
    DESIGN_FORMAT& operator=(const DESIGN_FORMAT&) = delete;

    // The format commands and the format bar's, on the view.
    void RegisterCommands();

    // The attributes new objects take.
    BORDER& NewObjectBorder() { return newObjects.border; }
    BASICSHADE& NewObjectShade() { return newObjects.shade; }
    SHADOW& NewObjectShadow() { return newObjects.shadow; }
    TEXTATTR& NewObjectFont() { return newObjects.text; }
    uint8_t NewObjectAlignment() const { return newObjects.alignment; }
    void SetNewObjectAlignment(uint8_t code) { newObjects.alignment = code; }
    uint16_t NewTextRotation() const { return newTextRotation; }
    // The attributes for new objects kept aside while another view shows
    // the form, and taken back (the format bar's text attributes and
    // alignment with them).
    void KeepDefaults(DESIGN_DEFAULTS& kept) const { kept = newObjects; }
    void TakeDefaults(const DESIGN_DEFAULTS& kept);

    // Format commands (design_format.cpp). A Format dialog works on the
    // selection's attribute, applied as it changes and kept on OK (the form
    // marked modified when it changed), taken back on Cancel; with no such
    // attribute among the selected objects, it edits the attribute of new
    // objects.
    void OnFormatShadow();
    void OnFormatLine();
    void OnFormatShade();
    void OnFormatFont();
    // The line spacing of the selected text objects and fields.
    void OnTextSpacing();
    // The first selected object's appearance sheet.
    void OnEditAppearance();
    // The alignment pop-up under the format bar's button.
    void OnTextAlignmentMenu();
    // The selection's attribute (1), else that of new objects (0).
    int GetCurrentShadow(SHADOW* out);
    int GetCurrentBorder(BORDER* out);
    int GetCurrentShade(BASICSHADE* out);
    // A Format dialog (flag 0) changes each selected object's attribute; a
    // page (flag non-zero) sets it.
    void SetSelectionShadow(const SHADOW& shadow, uintptr_t flag);
    void SetSelectionBorder(const BORDER& border, uintptr_t flag);
    void SetSelectionShade(const BASICSHADE& shade, uintptr_t flag);
    void SetSelectionAlignment(uint8_t code, uintptr_t flag);
    void SetSelectionLineSpacing(uint16_t spacing);
    // Left 0, right 1, centred 3, justified 4: for the selected texts, or
    // for new objects when none is selected.
    void SetTextAlignment(uint8_t code);
    // A change record for the selected objects' text, or for new objects'.
    void ApplyTextAttr(const TEXTATTR& change);
    // Builds the appearance sheet for the object and runs it; negative when
    // it could not be filled.
    int RunAppearanceSheet(uint16_t captionId, FORMOBJ& object);

    // The format bar's one refresh: the text attributes and the alignment
    // of the selection, else those of new objects.
    void UpdateFormatBar();
    void RefreshCurrentTextAttr();
    void RefreshCurrentAlignment();
    uint8_t GetBarAlignment() const { return barAlignment; }
    // The format bar's boxes and buttons show the text attributes, the
    // alignment and the rotation (design_format_bar.cpp).
    void ShowFormatBar();
    // The rotation box's angle (reduced into 0..3599 tenths), shown again
    // in the box; with a value, that value is shown. 0 without a box.
    uint16_t ReadRotationBox(const uint16_t* value);
    // The box shows the rotation for new text with the text tool, the
    // selection's with the selection tool; disabled where there is none.
    void UpdateRotationBox();

private:
    void RegisterBarCommands();
    // The view's format bar, or null.
    FORMAT_BAR* Bar() const;
    // The text-style buttons: set the byte to the value, or back to 0 when
    // it holds it already.
    void ToggleTextStyle(uint8_t TEXTATTR::*field, uint8_t value);
    void OnTextColour();
    void OnSizeBox();
    void OnFaceBox();
    void OnRotationBox();
    // The angle the rotation box is to show: new text's with the text tool,
    // the selection's with the selection tool; negative for none (the box
    // stays enabled when the selected objects turn but differ).
    int RotationToShow() const;

    FDESIGNVIEW& view;
    // What new objects take: a rounded border and black 12-point text in
    // face 0 until the format commands set them.
    DESIGN_DEFAULTS newObjects;
    // The alignment the format bar shows.
    uint8_t barAlignment = 0;
    // The rotation new text objects take, in tenths of a degree.
    uint16_t newTextRotation = 0;
    // What the rotation box last showed from this view (negative for no
    // angle, -2 never).
    int rotationShown = -2;
};
