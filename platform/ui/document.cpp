#include "platform/ui/document.h"

#include "platform/ui/app.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/frame.h"
#include "platform/ui/message_box.h"
#include "platform/ui/view.h"

#include <algorithm>

namespace ui {

Document::Document(DocTemplate* docTemplate)
    : template_(docTemplate)
{
    if (template_)
        template_->documents_.push_back(this);
}

void Document::SetDocTemplate(DocTemplate* docTemplate)
{
    if (template_ || !docTemplate)
        return;
    template_ = docTemplate;
    template_->documents_.push_back(this);
}

Document::~Document()
{
    for (View* view : views_)
        view->document_ = nullptr;
    if (template_)
        std::erase(template_->documents_, this);
}

void Document::SetTitle(std::string_view cp1252)
{
    title_ = cp1252;
    UpdateFrameTitles();
}

void Document::UpdateFrameTitles()
{
    std::vector<Frame*> frames;
    for (View* view : views_)
        if (Frame* frame = view->GetParentFrame();
            frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    for (Frame* frame : frames)
        frame->OnUpdateFrameTitle();
}

bool Document::SaveModified()
{
    if (!IsModified())
        return true;
    std::string text = "Save changes to " + NameToSaveAs() + "?";
    std::string caption = App::Current() ? App::Current()->AppName() : std::string();
    switch (MessageBox(text, caption, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool Document::DoFileSave()
{
    return false;
}

bool Document::CanCloseFrame(Frame& frame)
{
    for (View* view : views_)
        if (Frame* other = view->GetParentFrame(); other && other != &frame)
            return true;
    return SaveModified();
}

void Document::OnCloseDocument()
{
    if (template_)
        template_->CloseDocument(*this);
}

bool Document::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (HandleOwn(id, code, cmdUI))
        return true;
    return template_ && template_->OnCmdMsg(id, code, cmdUI);
}

} // namespace ui
