#include "platform/ui/document.h"

#include "platform/ui/doc_template.h"
#include "platform/ui/view.h"

namespace ui {

Document::Document(DocTemplate* docTemplate) : template_(docTemplate)
{
    if (template_)
        template_->documents_.push_back(this);
}

Document::~Document()
{
    for (View* view : views_)
        view->document_ = nullptr;
    if (template_)
        std::erase(template_->documents_, this);
}

bool Document::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (HandleOwn(id, code, cmdUI))
        return true;
    return template_ && template_->OnCmdMsg(id, code, cmdUI);
}

} // namespace ui
