// The child frame of one open form: its client is a dynamic splitter of up
// to two rows and two columns of views. A form being filled goes back to
// design when the frame closes or loses activation.
#pragma once

#include "platform/ui/frame.h"

#include <memory>

class CDynViewDocTemplate;

namespace ui {
class Splitter;
}

class CChildFrame : public ui::Frame {
public:
    explicit CChildFrame(CDynViewDocTemplate& docTemplate);

    // Makes the splitter, with the first view in its first pane, the frame's
    // client. The frame must have its window.
    void CreateClient(std::unique_ptr<ui::View> first);
    ui::Splitter* GetSplitter() const { return splitter_; }

    // On deactivation the active view is told, and every view of the
    // template's documents that is not a design view goes back to design;
    // then the active view gains or loses activation with the frame.
    void OnMDIActivate(bool activate, ui::Frame* activated, ui::Frame* deactivated) override;
    // A form being filled is first switched to design by the main window.
    bool OnClose() override;

private:
    CDynViewDocTemplate& template_;
    ui::Splitter* splitter_ = nullptr;
};
