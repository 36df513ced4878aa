// A field's help: a small borderless pop-up next to the field that shows the
// text word-wrapped in a framed box with a patterned shadow. It takes the
// mouse and the keyboard while it shows; Esc, Enter or F1, or a press
// outside the box (its shadow included), close it, and it deletes itself.
#pragma once

#include "platform/gdi/types.h"

#include <QBrush>
#include <QFont>
#include <QWidget>

#include <functional>
#include <string>

namespace ui {

// The pop-up's margins around the text and its shadow's width, in pixels.
inline constexpr int kHelpMarginLeftTop = 19;
inline constexpr int kHelpMarginRightBottom = 27;
inline constexpr int kHelpShadow = 8;
// The gap kept to the field and to the screen's edges.
inline constexpr int kHelpGap = 8;

// Where a pop-up of the size goes for a field (both in screen pixels) on a
// screen: centred under the field, kept 8 pixels inside the screen's right
// and left edges; above the field when it would pass the screen's bottom.
gdi::POINT PlaceHelpPopup(const gdi::RECT& field, int width, int height, const gdi::RECT& screen);

class HelpPopup : public QWidget {
public:
    // owner: the window that asked (may be null); text is Windows-1252.
    // The shadow is painted with the brush (a pattern).
    HelpPopup(QWidget* owner, std::string text, QBrush shadow);
    ~HelpPopup() override;

    // Measures the text four inches wide, places the window by the field's
    // rectangle (screen pixels) within the screen that holds the field,
    // and shows it holding the mouse and the keyboard. Nothing without text.
    void Show(const gdi::RECT& field);
    // Destroys the window; the object deletes itself.
    void Close();

    // The pop-up showing now, or null.
    static HelpPopup* Current();
    // What F1 on the pop-up opens after closing it (the application's help
    // index); nothing while none is set.
    static void SetHelpIndexHandler(std::function<void()> handler);
    // The box without the shadow strips, in the window's coordinates.
    QRect BoxRect() const;
    const QFont& TextFont() const { return font_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    std::string text_;
    QFont font_;
    QBrush shadow_;
    QColor background_;
};

} // namespace ui
