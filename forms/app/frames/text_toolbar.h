// The format tool bar: typeface (113), point size (112) and rotation (183)
// boxes, the text style and colour buttons, the alignment button whose
// picture follows the alignment shown, and the shade, line and shadow
// buttons. Slot 19 is kept for the style box.
#pragma once

#include "forms/app/frames/format_boxes.h"
#include "forms/app/frames/program_tool_bar.h"
#include "forms/app/views/format_bar.h"
#include "forms/model/textattr.h"

#include <string>
#include <vector>

inline constexpr BarBitmaps kTextBarBitmaps = {2110, 2185, 2183, 2184};
inline constexpr int kFaceBoxSlot = 0;
inline constexpr int kFaceBoxWidth = 125;
inline constexpr int kSizeBoxSlot = 2;
inline constexpr int kSizeBoxWidth = 45;
inline constexpr int kAlignmentSlot = 11;
inline constexpr int kRotationBoxSlot = 13;
inline constexpr int kRotationBoxWidth = 50;
inline constexpr int kStyleBoxSlot = 19;
inline constexpr int kStyleBoxWidth = 125;

// The strip image that shows an alignment code (0 left, 1 right, 3 centred,
// 4 justified); -1 for any other code.
int AlignmentImage(uint8_t code);

class TEXTTOOLBAR
    : public ProgramToolBar
    , public FORMAT_BAR {
public:
    explicit TEXTTOOLBAR(QWidget* parent);

    QToolBar& GetToolBar() override { return *this; }
    FONTCOMBO* GetFaceCombo() const override { return face_; }
    FONTCOMBO* GetSizeCombo() const override { return size_; }
    ZOOMCOMBO* GetRotationCombo() const override { return rotation_; }
    // The box standing in slot 19, when one was put there.
    QComboBox* GetStyleCombo() const;
    // That box as the views fill it.
    STYLE_BOX* GetStyleBox() const override;
    // The sizes the size box lists.
    const FontSizeList& GetSizes() const override { return sizes_; }

    // The typeface box from the faces ("Times New Roman" selected), the
    // size box for that face ("12" selected), the rotation box's angles.
    void FillCombos(const std::vector<std::string>& faces);
    // Shows the attributes' size (twips ÷ 20, "%i", its entry added in its
    // place when missing) and face (selected, or typed in the box when not
    // listed) where they differ from the ones shown, or always when forced.
    void SetTextFormat(const TEXTATTR& attr, bool force) override;
    // Gives the alignment button the picture of the code when it changed.
    void SetAlignment(uint8_t code) override;
    uint8_t GetAlignment() const { return alignment_; }

protected:
    void CreateBoxes() override;
    void PlaceBoxes() override;
    void ImagesLoaded() override;

private:
    void ShowSize(uint16_t points);

    FONTCOMBO* face_ = nullptr;
    FONTCOMBO* size_ = nullptr;
    ZOOMCOMBO* rotation_ = nullptr;
    FontSizeList sizes_;
    TEXTATTR shown_ {};
    bool anyShown_ = false;
    // None shown yet: the button keeps its own picture.
    uint8_t alignment_ = 0xFF;
};
