// What the program's three tool bars share: buttons from the tool bar
// description of their bitmap, images from the strip of the bitmap id that
// the large and colour settings choose, button sizes, tool tips, and boxes
// standing in separator slots with the boxes' font.
#pragma once

#include <QFont>
#include <QIcon>
#include <QToolBar>

#include <array>
#include <vector>

class QComboBox;

namespace ui {
class CommandBar;
}

// The button style the user settings ask for.
struct ButtonStyle {
    bool large = false;
    bool colour = true;
    bool toolTips = true;
};

// A bar's bitmap ids: small colour, small mono, large colour, large mono.
struct BarBitmaps {
    unsigned smallColour = 0;
    unsigned smallMono = 0;
    unsigned largeColour = 0;
    unsigned largeMono = 0;
    unsigned For(bool large, bool colour) const;
};

// A button 30 × 28 with 24 × 22 images, or 23 × 22 with 16 × 15 images.
QSize ButtonSizeFor(bool large);

// The boxes' font: "MS Sans Serif", 14 pixels high with large buttons, else
// 12, normal weight, a Swiss face where that one is missing.
QFont BarBoxFont(bool large);

class ProgramToolBar : public QToolBar {
public:
    ProgramToolBar(const char* name, unsigned windowId, const BarBitmaps& bitmaps, QWidget* parent);

    unsigned WindowId() const { return windowId_; }
    unsigned GetBitmapId() const { return bitmapId_; }
    const ButtonStyle& GetStyle() const { return style_; }

    // The buttons and separators of the bar's description (the one under its
    // small colour bitmap id), each button bound to the command bar, then
    // the images and sizes of the style and the boxes.
    bool Create(ui::CommandBar& commands, const ButtonStyle& style);
    // After the settings change: the tool tip setting, the strip when the
    // bitmap id changed, and when the button size changed the sizes, the
    // boxes' font and places again.
    void UpdateButtons(const ButtonStyle& style);

    // Image n of the current strip (a null icon outside it).
    QIcon ImageOf(int index) const;

protected:
    // Made once by Create: the boxes in their slots.
    virtual void CreateBoxes() {}
    // Gives the boxes the font and the width of the button size.
    virtual void PlaceBoxes() {}
    // After a strip was loaded: buttons whose picture is not their own get
    // it again.
    virtual void ImagesLoaded() {}
    // Puts the box into the separator at the slot, its font set and its
    // width at least the slot's width and its widest entry's.
    void PutBox(int slot, QComboBox* box);
    void SizeBox(QComboBox& box, int width) const;

private:
    void LoadImages();

    unsigned windowId_;
    BarBitmaps bitmaps_;
    unsigned bitmapId_ = 0;
    ButtonStyle style_;
    std::vector<QIcon> images_;
};
