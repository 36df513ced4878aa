// The check box's own window in the fill view: a transparent child of the
// view over the field that paints nothing (the view draws the box beneath),
// takes the focus, and turns keys and clicks into the owner's actions. Tab
// and Shift+Tab reach it before the toolkit's focus chain.
#pragma once

#include <memory>

class QWidget;

namespace ui {

class CheckBoxWndOwner {
public:
    virtual ~CheckBoxWndOwner() = default;
    // Tab (forward) and Shift+Tab.
    virtual void OnTab(bool forward) = 0;
    // Space, and a press of the left or right mouse button.
    virtual void OnToggle() = 0;
    // Up and Down.
    virtual void OnUpDown(bool up) = 0;
    // F1, with the window's rectangle on the screen.
    virtual void OnHelp(int left, int top, int right, int bottom) = 0;
    // The release of Page Up or Page Down (with Ctrl down or not).
    virtual void OnPageKeyUp(bool pageUp, bool control) = 0;
    // The window gained or lost the focus.
    virtual void OnFocusChanged() = 0;
};

class CheckBoxWnd {
public:
    // Over the rectangle of the parent (device units), taking the focus.
    CheckBoxWnd(QWidget* parent, int left, int top, int right, int bottom, CheckBoxWndOwner& owner);
    ~CheckBoxWnd();
    CheckBoxWnd(const CheckBoxWnd&) = delete;
    CheckBoxWnd& operator=(const CheckBoxWnd&) = delete;

    void SetFocus();
    void Move(int left, int top, int right, int bottom);
    QWidget* GetWidget() const;

private:
    class Widget;
    std::unique_ptr<Widget> widget;
};

} // namespace ui
