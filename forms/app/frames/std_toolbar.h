// The standard tool bar: file, clipboard, view, arrange and bar buttons and
// the zoom box (101), which shows the active view's zoom and takes a typed
// one.
#pragma once

#include "forms/app/frames/format_boxes.h"
#include "forms/app/frames/program_tool_bar.h"

inline constexpr BarBitmaps kStdBarBitmaps = {7, 2192, 2190, 2191};
// The zoom box's slot and width.
inline constexpr int kZoomBoxSlot = 27;
inline constexpr int kZoomBoxWidth = 50;

// The zoom box's list: 10, 25, 30, 40, 50, 75, 100, 125, 150, 175 and 200,
// each as "n%", with "100%" selected.
void FillZoomCombo(QComboBox& combo);
// The selected entry's number; with a typed text instead, that number
// limited to 10..200, its "n%" entry selected (added when missing).
int GetZoom(QComboBox& combo);
// Selects the entry "n%", adding it when missing.
void SetZoom(QComboBox& combo, int percent);

class STDTOOLBAR : public ProgramToolBar {
public:
    explicit STDTOOLBAR(QWidget* parent);

    ZOOMCOMBO* GetZoomCombo() const { return zoom_; }
    int GetZoom() const { return zoom_ ? ::GetZoom(*zoom_) : 100; }
    void SetZoom(int percent)
    {
        if (zoom_)
            ::SetZoom(*zoom_, percent);
    }

protected:
    void CreateBoxes() override;
    void PlaceBoxes() override;

private:
    ZOOMCOMBO* zoom_ = nullptr;
};
