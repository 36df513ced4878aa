// A document template: the command target after a document on the route,
// and the list of its open documents.
#pragma once

#include "platform/ui/cmd_target.h"

#include <vector>

namespace ui {

class Document;

class DocTemplate : public CmdTarget {
public:
    DocTemplate() = default;
    ~DocTemplate() override;

    const std::vector<Document*>& Documents() const { return documents_; }

private:
    friend class Document;
    std::vector<Document*> documents_;
};

} // namespace ui
