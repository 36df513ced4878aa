// Frame windows on the command route: a child frame offers commands to its
// active view first; the main frame offers them to its active child frame,
// then takes them itself, and passes the rest to the application. The main
// frame's window holds the child frames' windows; it activates them, titles
// itself after the active document and runs the close protocol.
#pragma once

#include "platform/ui/view.h"
#include "platform/ui/window_placement.h"

#include <QPointer>
#include <QSize>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace ui {

class ChildFrameWindow;
class Document;
class FrameWindow;
class MainFrame;

class Frame : public Wnd {
public:
    Frame();
    ~Frame() override;

    View* GetActiveView() const { return activeView_.get(); }
    // Makes view (or none) the active view. When that changes, the view
    // losing activation is told first, then the view gaining it.
    void SetActiveView(View* view);
    // The active view's document, or null.
    Document* GetActiveDocument() const;

    // The frame's window (null until created): bars dock on its sides and
    // the client is its central widget.
    QMainWindow* GetWindow() const;
    // Makes client (a splitter, a view's window) the window's central widget.
    void SetClient(QWidget* client);

    // The title shown when the frame has no document (Windows-1252).
    void SetTitle(std::string_view cp1252);
    const std::string& GetTitle() const { return title_; }
    // Sets the window's text: the active document's title, else the frame's.
    virtual void OnUpdateFrameTitle();

    // The main frame holding this child frame, or null.
    MainFrame* GetMainFrame() const { return main_; }

    // When the active child frame changes, the frame losing activation is
    // told first, then the frame gaining it; either may be null.
    virtual void OnMDIActivate(bool activate, Frame* activated, Frame* deactivated);

    // The close box, or a request to close. The frame's document may veto
    // (the user cancels saving its changes): the frame then stays open and
    // the result is false. A child frame that closes is destroyed, object
    // and all, and its document is closed when no other frame shows it.
    virtual bool OnClose();

    void ShowWindow(ShowCmd cmd);
    bool IsIconic() const;
    bool IsZoomed() const;
    WindowPlacement GetPlacement() const;
    void SetPlacement(const WindowPlacement& placement);

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

protected:
    // The widget that is moved, sized, minimised and maximised: the main
    // window, or a child frame's window inside the main frame.
    QWidget* OuterWindow() const;

private:
    friend class MainFrame;
    TargetPtr<View> activeView_;
    std::string title_;
    MainFrame* main_ = nullptr;
    QPointer<FrameWindow> window_;
    QPointer<ChildFrameWindow> child_;
};

class MainFrame : public Frame {
public:
    MainFrame();
    ~MainFrame() override;

    // Makes the main window with its area of child frames (not shown yet).
    void Create(std::string_view titleCp1252);
    QMdiArea* GetClientArea() const { return area_; }

    // Takes the child frame, gives it a window in the client area, shows it
    // (maximised when asked) and activates it.
    Frame* AddChild(std::unique_ptr<Frame> child, bool maximized = false);
    std::vector<Frame*> GetChildren() const;

    Frame* GetActiveChild() const { return activeChild_.get(); }
    // With a window, activates the child's window (activation callbacks run).
    void SetActiveChild(Frame* child);

    // Limits the size to which the user can bring the window.
    void SetMinTrackSize(QSize size);
    void SetMaxTrackSize(QSize size);

    // The title, followed by " - " and the active document's title.
    void OnUpdateFrameTitle() override;
    // Asks every changed document of the child frames in turn; Cancel keeps
    // everything open. Otherwise closes every child frame and document,
    // hides the window and, when it is the application's main window, ends
    // the event loop.
    bool OnClose() override;

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    friend class Frame;
    void OnSubWindowActivated(QMdiSubWindow* window);
    void Activate(Frame* child);
    // Removes and deletes the child; closes its document when no other
    // frame shows it.
    void DestroyChild(Frame& child);

    std::vector<std::unique_ptr<Frame>> children_;
    TargetPtr<Frame> activeChild_;
    QMdiArea* area_ = nullptr;
};

} // namespace ui
