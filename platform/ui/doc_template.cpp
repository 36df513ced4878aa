#include "platform/ui/doc_template.h"

#include "platform/ui/document.h"

namespace ui {

DocTemplate::~DocTemplate()
{
    for (Document* doc : documents_)
        doc->template_ = nullptr;
}

} // namespace ui
