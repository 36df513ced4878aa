// A view of a document: a window whose unhandled commands go on to its
// document (and from there to the document's template).
#pragma once

#include "platform/ui/wnd.h"

namespace ui {

class Document;

class View : public Wnd {
public:
    View() = default;
    ~View() override;

    Document* GetDocument() const { return document_; }
    // Moves the view to another document's list (or to none).
    void SetDocument(Document* document);

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    friend class Document;
    Document* document_ = nullptr;
};

} // namespace ui
