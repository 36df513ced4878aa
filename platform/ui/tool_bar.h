// Tool bars built from plain descriptions: buttons carrying command ids and
// separators, each button bound to a command bar; button images cut from a
// strip, widgets standing in separators' places, tool tips on or off.
#pragma once

#include <QColor>
#include <QIcon>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QImage;
class QToolBar;
class QWidget;

namespace ui {

class CommandBar;

struct ToolButton {
    // 0 makes a separator.
    unsigned id = 0;
    // Windows-1252; shown as the tool tip, and as the button when there is no icon.
    std::string text;
    QIcon icon;
};

void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandBar& commands);

// Cuts a strip of button images, side by side, into images of buttonWidth
// by the strip's height. Pixels of the transparent colour, when one is
// given, become transparent. A strip that is not a whole number of buttons
// wide is an error (std::invalid_argument).
std::vector<QIcon> CutImageStrip(const QImage& strip, int buttonWidth, std::optional<QColor> transparent = {});

// Puts the widget where the bar's item at index (buttons and separators
// counted as FillToolBar made them) stands; that item must be a separator
// (std::invalid_argument otherwise). The bar owns the widget.
QAction* SetSeparatorWidget(QToolBar& bar, int index, QWidget* widget);

// Shows or suppresses the tool tips of the bar's buttons and widgets.
void ShowToolTips(QToolBar& bar, bool show);

} // namespace ui
