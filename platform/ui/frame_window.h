// The Qt windows behind frames: a main window (bars dock on its sides, the
// client is its central widget) and the multi-document child window that
// holds a child frame's main window. Both hand their close box to the frame.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>

namespace ui {

class Frame;

class FrameWindow : public QMainWindow {
public:
    FrameWindow(Frame& frame, QWidget* parent);

    Frame* GetFrame() const { return frame_; }
    void Detach() { frame_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Frame* frame_;
};

class ChildFrameWindow : public QMdiSubWindow {
public:
    explicit ChildFrameWindow(Frame& frame);

    Frame* GetFrame() const { return frame_; }
    void Detach() { frame_ = nullptr; }
    // True while the close box is being handled: the window may then only be
    // deleted later.
    bool InCloseEvent() const { return inCloseEvent_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Frame* frame_;
    bool inCloseEvent_ = false;
};

// The frame whose window holds the widget (the nearest one), or null.
Frame* FrameOf(const QWidget* widget);

} // namespace ui
