// The child frame of one open form: its client is a dynamic splitter of up
// to two rows and two columns of views. A form being filled goes back to
// design when the frame closes or loses activation.
#pragma once

#include "forms/app/views/view_frame.h"

#include "platform/ui/frame.h"

#include <memory>

class CDynViewDocTemplate;
class RULERBAR;
class SplitterButtons;

class QWidget;

namespace ui {
class Splitter;
}

class CChildFrame
    : public ui::Frame
    , public VIEW_FRAME {
public:
    explicit CChildFrame(CDynViewDocTemplate& docTemplate);
    ~CChildFrame() override;

    // Makes the splitter, with the first view in its first pane, and the
    // rulers above and left of it the frame's client. The frame must have
    // its window.
    void CreateClient(std::unique_ptr<ui::View> first);
    ui::Splitter* GetSplitter() const { return splitter_; }
    // The rulers along the top and the left of the splitter.
    RULERBAR* GetHorzRuler() const { return horzRuler_.get(); }
    RULERBAR* GetVertRuler() const { return vertRuler_.get(); }
    VIEW_RULER* GetRuler(bool horizontal) const override;
    // Shows or hides both rulers and the corner between them.
    void ShowRulers(bool show) override;
    bool AreRulersShown() const override;
    // The page buttons under each row's vertical bar.
    SplitterButtons* GetSplitterButtons() const { return buttons_.get(); }

    // On deactivation the active view is told, and every view of the
    // template's documents that is not a design view goes back to design;
    // then the active view gains or loses activation with the frame.
    void OnMDIActivate(bool activate, ui::Frame* activated, ui::Frame* deactivated) override;
    // A form being filled is first switched to design by the main window;
    // the document's other frames are titled again.
    bool OnClose() override;
    // The document's title, followed by ":" and the frame's number among
    // the document's frames when it has more than one.
    void OnUpdateFrameTitle() override;

private:
    CDynViewDocTemplate& template_;
    ui::Splitter* splitter_ = nullptr;
    QWidget* rulerCorner_ = nullptr;
    std::unique_ptr<RULERBAR> horzRuler_;
    std::unique_ptr<RULERBAR> vertRuler_;
    std::unique_ptr<SplitterButtons> buttons_;
};
