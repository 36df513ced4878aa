#include "forms/app/program/form_classes.h"

#include "forms/app/template/app_document_host.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/fill/ffillview.h"
#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"

AppClasses FormAppClasses()
{
    RegisterDocumentObjects();
    AppClasses classes;
    classes.document = DocumentClass {
        [](ui::DocTemplate& docTemplate) -> std::unique_ptr<ui::Document> {
            auto* formTemplate = dynamic_cast<CDynViewDocTemplate*>(&docTemplate);
            auto doc = std::make_unique<FDOCUMENT>(formTemplate ? formTemplate->GetDocumentHost() : nullptr);
            doc->SetDocTemplate(&docTemplate);
            return doc;
        },
        [](ui::Document& doc, const std::string& path) {
            auto* form = dynamic_cast<FDOCUMENT*>(&doc);
            if (!form || !form->OnOpenDocument(path))
                return false;
            form->SetTitle(FileTitleOf(path));
            return true;
        },
        [](const ui::Document& doc) {
            auto* form = dynamic_cast<const FDOCUMENT*>(&doc);
            return form ? static_cast<int>(form->GetViewIndex()) : static_cast<int>(kDesignView);
        },
    };
    classes.views[kDesignView].viewClass = ViewClassOf<FDESIGNVIEW>("FDESIGNVIEW");
    classes.views[kFillView].viewClass = ViewClassOf<FFILLVIEW>("FFILLVIEW");
    return classes;
}
