#include "forms/app/form_classes.h"

#include "forms/app/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/model/shape_classes.h"

AppClasses FormAppClasses()
{
    RegisterShapeClasses();
    AppClasses classes;
    classes.document = DocumentClass{
        [](ui::DocTemplate& docTemplate) -> std::unique_ptr<ui::Document> {
            auto doc = std::make_unique<FDOCUMENT>();
            doc->SetDocTemplate(&docTemplate);
            return doc;
        },
        [](ui::Document& doc, const std::string& path) {
            auto* form = dynamic_cast<FDOCUMENT*>(&doc);
            return form && form->OnOpenDocument(path);
        },
        [](const ui::Document&) { return static_cast<int>(kDesignView); },
    };
    classes.views[kDesignView].viewClass = ViewClassOf<FDESIGNVIEW>("FDESIGNVIEW");
    return classes;
}
