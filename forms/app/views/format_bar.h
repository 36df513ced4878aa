// What a view asks of the format bar: its boxes, the sizes the size box
// lists, and the text format and alignment it shows.
#pragma once

#include "forms/document/font_lists.h"
#include "forms/model/textattr.h"

#include <cstdint>

class QComboBox;
class QToolBar;
class STYLE_BOX;

class FORMAT_BAR {
public:
    virtual ~FORMAT_BAR() = default;

    // The bar itself, whose buttons anchor the menus they drop.
    virtual QToolBar& GetToolBar() = 0;
    virtual QComboBox* GetFaceCombo() const = 0;
    virtual QComboBox* GetSizeCombo() const = 0;
    virtual QComboBox* GetRotationCombo() const = 0;
    // The style box, when one was put into its slot.
    virtual STYLE_BOX* GetStyleBox() const = 0;
    // The sizes the size box lists.
    virtual const FontSizeList& GetSizes() const = 0;

    // Shows the attributes' size and face where they differ from the ones
    // shown, or always when forced.
    virtual void SetTextFormat(const TEXTATTR& attr, bool force) = 0;
    // Gives the alignment button the picture of the code when it changed.
    virtual void SetAlignment(uint8_t code) = 0;
};
