// A document template: the command target after a document on the route,
// the list of its open documents, and the owner of those handed to it.
#pragma once

#include "platform/ui/cmd_target.h"

#include <memory>
#include <vector>

namespace ui {

class Document;

class DocTemplate : public CmdTarget {
public:
    DocTemplate() = default;
    ~DocTemplate() override;

    const std::vector<Document*>& Documents() const { return documents_; }

    // Takes ownership of a document made for this template.
    Document* AddDocument(std::unique_ptr<Document> document);
    // A closed document: deleted when the template owns it.
    virtual void CloseDocument(Document& document);

private:
    friend class Document;
    std::vector<Document*> documents_;
    std::vector<std::unique_ptr<Document>> owned_;
};

} // namespace ui
