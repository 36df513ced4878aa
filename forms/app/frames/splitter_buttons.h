// The two buttons under each row's vertical scroll bar of a form's
// splitter: up goes to the previous page, down to the next one; on the
// first or last page they scroll the row to the top or the bottom.
#pragma once

#include "platform/ui/splitter.h"

#include <QPointer>

#include <array>
#include <memory>

namespace ui {
class OwnerDrawButton;
}

// Window ids of the buttons: up and down of row 0, then of row 1.
inline constexpr int ID_SPLITTER_BUTTON_FIRST = 982;
// Icons of the up and down buttons.
inline constexpr unsigned kSplitterUpIcon = 2205;
inline constexpr unsigned kSplitterDownIcon = 2206;

// The up button: every form view of the row past its first page goes back
// a page; then the row scrolls to its top.
void ScrollToTop(ui::Splitter& splitter, int row);
// The down button: every form view of the row with a next page goes to it;
// then the row scrolls to its top when a page changed, else to its bottom.
void ScrollToEnd(ui::Splitter& splitter, int row);

class SplitterButtons {
public:
    static constexpr int buttonHeight = 16;

    // Shortens each row's vertical bar by two buttons and places them
    // under it, each made on first use.
    explicit SplitterButtons(ui::Splitter& splitter);
    ~SplitterButtons();
    SplitterButtons(const SplitterButtons&) = delete;
    SplitterButtons& operator=(const SplitterButtons&) = delete;

    // The button of a row (0 or 1), up or down; null before it is made.
    ui::OwnerDrawButton* GetButton(int row, bool up) const;

private:
    void Place(int row, int left, int top, int width);
    void Hide(int row);

    QPointer<ui::Splitter> splitter_;
    std::array<std::unique_ptr<ui::OwnerDrawButton>, 4> buttons_;
};
