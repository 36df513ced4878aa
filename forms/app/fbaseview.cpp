#include "forms/app/fbaseview.h"

#include "forms/app/dyn_view_doc_template.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"

#include <algorithm>

void FBASEVIEW::OnViewSwitch(bool, ui::View*) {}

void FBASEVIEW::OnFrameActivate(bool, ui::Frame*) {}

void FBASEVIEW::OnInitialUpdate() {}

void FBASEVIEW::OnUpdateViewMenu(ui::CmdUI& cmdUI)
{
    switch (cmdUI.Id()) {
    case ID_VIEW_DESIGN + kFillingOrderView:
    case ID_VIEW_DESIGN + kFillView:
    case ID_VIEW_DESIGN + kFieldNamingView: {
        ui::Document* doc = GetDocument();
        auto* docTemplate = doc ? dynamic_cast<CDynViewDocTemplate*>(doc->GetDocTemplate()) : nullptr;
        const bool allDesign = doc && docTemplate
            && std::all_of(doc->Views().begin(), doc->Views().end(), [&](const ui::View* view) {
                   return docTemplate->IsViewOfIndex(*view, kDesignView);
               });
        cmdUI.Enable(allDesign);
        break;
    }
    case ID_VIEW_DESIGN + kFieldMatchingView:
        cmdUI.Enable(true);
        break;
    default:
        break;
    }
}
