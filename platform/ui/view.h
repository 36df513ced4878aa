// A view of a document: the object behind a view window, taking the
// window's events while attached to it; its unhandled commands go on to its
// document (and from there to the document's template).
#pragma once

#include "platform/ui/wnd.h"

#include <Qt>

class QEvent;
class QWidget;

namespace ui {

class Document;
class Frame;
class ViewHost;

class View : public Wnd {
public:
    View() = default;
    ~View() override;

    Document* GetDocument() const { return document_; }
    // Moves the view to another document's list (or to none).
    void SetDocument(Document* document);

    // The window the view is attached to, or null.
    QWidget* GetWindow() const;
    // The frame whose window holds the view's window, or null.
    Frame* GetParentFrame() const;

    // Every event of the window while the view is attached; true when the
    // view handled it, false for the window's default handling.
    virtual bool OnEvent(QEvent& e);
    // The view gains (activate) or loses activation within its frame:
    // activated is the view gaining it, deactivated the view losing it
    // (either may be null). A frame that gains or loses activation as a
    // whole tells its active view with the view itself as both.
    virtual void OnActivateView(bool activate, View* activated, View* deactivated);
    // A scroll bar that the view's window shares with others (a splitter's
    // row or column bar) moved to position.
    virtual void OnScroll(Qt::Orientation orientation, int position);

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    friend class Document;
    friend class ViewHost;
    Document* document_ = nullptr;
    ViewHost* host_ = nullptr;
};

} // namespace ui
