// A document as a command target: commands it does not handle go on to its
// template. It knows the views that show it.
#pragma once

#include "platform/ui/cmd_target.h"

#include <vector>

namespace ui {

class DocTemplate;
class View;

class Document : public CmdTarget {
public:
    explicit Document(DocTemplate* docTemplate = nullptr);
    ~Document() override;

    DocTemplate* GetDocTemplate() const { return template_; }
    const std::vector<View*>& Views() const { return views_; }

    bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI) override;

private:
    friend class View;
    friend class DocTemplate;
    DocTemplate* template_;
    std::vector<View*> views_;
};

} // namespace ui
