#include "platform/ui/doc_template.h"

#include "platform/ui/document.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

DocTemplate::~DocTemplate()
{
    // Owned documents are deleted first; they unlink themselves as they go.
    owned_.clear();
    for (Document* doc : documents_)
        doc->template_ = nullptr;
}

Document* DocTemplate::AddDocument(std::unique_ptr<Document> document)
{
    if (!document || document->GetDocTemplate() != this)
        throw std::invalid_argument("a template owns only its own documents");
    owned_.push_back(std::move(document));
    return owned_.back().get();
}

void DocTemplate::CloseDocument(Document& document)
{
    auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& d) { return d.get() == &document; });
    if (it != owned_.end())
        owned_.erase(it);
}

} // namespace ui
