#include "forms/app/views/design/design_pages.h"

#include "forms/app/views/design/design_rulers.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/designer/griddialog.h"
#include "forms/dialogs/designer/options_dlg.h"
#include "forms/dialogs/designer/page_setup_dlg.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/editor/form_editor.h"
#include "forms/model/fhint.h"
#include "forms/res/program_resources.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/message_box.h"

#include <algorithm>

namespace {

// String id of "Delete the current page and objects?".
constexpr uint32_t kDeletePageQuestion = 232;

// On at start, and never saved.
bool snapToGrid = true;

} // namespace

DESIGN_PAGES::DESIGN_PAGES(FDESIGNVIEW& view)
    : view(view)
{}

bool DESIGN_PAGES::IsSnapToGridOn()
{
    return snapToGrid;
}

std::vector<FBASEVIEW*> DESIGN_PAGES::AllFormViews()
{
    std::vector<ui::Document*> documents;
    if (VIEW_HOST* host = view.GetViewHost())
        documents = host->Documents();
    if (ui::Document* own = view.GetDocument();
        own && std::find(documents.begin(), documents.end(), own) == documents.end())
        documents.push_back(own);
    std::vector<FBASEVIEW*> found;
    for (ui::Document* doc : documents)
        for (ui::View* each : doc->Views())
            if (auto* form = dynamic_cast<FBASEVIEW*>(each))
                found.push_back(form);
    if (std::find(found.begin(), found.end(), &view) == found.end())
        found.push_back(&view);
    return found;
}

std::vector<FDESIGNVIEW*> DESIGN_PAGES::AllDesignViews()
{
    std::vector<FDESIGNVIEW*> found;
    for (FBASEVIEW* each : AllFormViews())
        if (auto* design = dynamic_cast<FDESIGNVIEW*>(each))
            found.push_back(design);
    return found;
}

void DESIGN_PAGES::SetUnitEverywhere(uint8_t newUnit)
{
    if (VIEW_HOST* host = view.GetViewHost()) {
        VIEW_SETTINGS settings = host->GetViewSettings();
        settings.inches = newUnit;
        host->SetViewSettings(settings);
    }
    for (FBASEVIEW* each : AllFormViews())
        each->SetUnit(newUnit);
    for (FDESIGNVIEW* each : AllDesignViews())
        each->Rulers().SetRulerUnit(newUnit);
    // The panes show the selection in the new unit.
    view.ShowSelectionPosSize();
}

void DESIGN_PAGES::RegisterPageCommands()
{
    const auto always = [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); };
    view.AddCommand(ID_EDIT_APPEND_PAGE, [this](unsigned) { OnAppendPage(); });
    view.AddUpdate(ID_EDIT_APPEND_PAGE, always);
    view.AddCommand(ID_EDIT_INSERT_PAGE, [this](unsigned) { OnInsertPage(); });
    view.AddUpdate(ID_EDIT_INSERT_PAGE, always);
    view.AddCommand(ID_EDIT_DELETE_PAGE, [this](unsigned) { OnDeletePage(); });
    view.AddUpdate(ID_EDIT_DELETE_PAGE, always);
    view.AddCommand(ID_FILE_PAGE_SETUP, [this](unsigned) { OnPageSetup(); });
    view.AddUpdate(ID_FILE_PAGE_SETUP, always);
    view.AddCommand(ID_TOOLS_OPTIONS, [this](unsigned) { OnOptions(); });
    view.AddUpdate(ID_TOOLS_OPTIONS, always);
    view.AddCommand(ID_TOOLS_GRID_SETTINGS, [this](unsigned) { OnGridSettings(); });
    view.AddUpdate(ID_TOOLS_GRID_SETTINGS, always);
    view.AddCommand(ID_DRAW_SNAP_TO_GRID, [this](unsigned) { OnSnapToGrid(); });
    view.AddUpdate(ID_DRAW_SNAP_TO_GRID, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(view.GetSnap() ? 1 : 0);
    });
}

void DESIGN_PAGES::SendPageHint(const FHINT& hint)
{
    if (ui::Document* doc = view.GetDocument())
        for (ui::View* each : doc->Views())
            if (auto* other = dynamic_cast<FBASEVIEW*>(each); other && other != &view)
                other->OnUpdate(&view, 0, &hint);
}

void DESIGN_PAGES::OnPageHint(const FHINT& hint)
{
    if (hint.kind == kHintPageDeleted)
        view.SetPage(std::min<int>(hint.page, view.GetPageCount()));
    else
        view.SetPage(hint.page);
    SendPageHint(hint);
}

void DESIGN_PAGES::OnAppendPage()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FORM_EDITOR* editor = view.GetEditor();
    if (!doc || !editor)
        return;
    editor->AppendPage();
    view.SetPage(doc->GetPageCount());
}

void DESIGN_PAGES::OnInsertPage()
{
    FORM_EDITOR* editor = view.GetEditor();
    if (!view.GetFormDocument() || !editor)
        return;
    // The editor's page hint makes the view show the new page, then reaches
    // the other views.
    editor->InsertPage(view.GetCurrentPage());
}

void DESIGN_PAGES::OnDeletePage()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FORM_EDITOR* editor = view.GetEditor();
    if (!doc || !editor)
        return;
    // The undo list is emptied even when the page stays.
    doc->GetUndoList().Clear();
    const uint16_t page = view.GetCurrentPage();
    if (doc->PageHasObjects(page)
        && ui::MessageBox(ProgramResources().LoadString(kDeletePageQuestion), {},
               ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_SYSTEMMODAL)
            != ui::IDYES)
        return;
    editor->DeletePage(page);
}

void DESIGN_PAGES::OnSnapToGrid()
{
    snapToGrid = !snapToGrid;
    for (FDESIGNVIEW* each : AllDesignViews())
        each->SetSnap(snapToGrid);
}

void DESIGN_PAGES::OnGridSettings()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(view.GetCurrentPage()) : nullptr;
    if (!layout)
        return;
    const uint16_t unit = view.GetUnit();
    GRIDDIALOG dialog(view.GetWindow());
    dialog.values = GridValues::FromGrid(layout->grid, static_cast<uint8_t>(unit));
    if (dialog.DoModal() != 1)
        return;
    if (dialog.values.unit != unit)
        SetUnitEverywhere(dialog.values.unit);
    dialog.values.ToGrid(layout->grid);
    // The grid is saved with the form.
    doc->SetModified(true);
    view.RepaintAll();
}

void DESIGN_PAGES::OnPageSetup()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(view.GetCurrentPage()) : nullptr;
    if (!layout)
        return;
    RECT extent;
    doc->GetObjects().GetExtent(extent, kAllPages);
    PAGE_SETUP_DLG dialog(view.GetWindow());
    dialog.values = PageSetupValues::FromLayout(*layout, extent, static_cast<uint8_t>(view.GetUnit()));
    if (dialog.DoModal() != 1)
        return;
    doc->SetModified(true);
    if (VIEW_HOST* host = view.GetViewHost())
        host->SetOrientation(dialog.values.orientation);
    dialog.values.ToLayout(*layout);
    view.OnZoomChanged();
}

void DESIGN_PAGES::OnOptions()
{
    VIEW_HOST* host = view.GetViewHost();
    const VIEW_SETTINGS now = host ? host->GetViewSettings() : VIEW_SETTINGS {};
    const uint16_t unit = view.GetUnit();
    OPTIONS_DLG dialog(view.GetWindow());
    dialog.units = static_cast<uint8_t>(unit);
    dialog.checkBoxOutlines = now.checkBoxOutlines;
    dialog.baselines = now.showBaselines;
    dialog.margins = now.showMargins;
    if (dialog.DoModal() == 2)
        return;
    if (dialog.units != unit)
        SetUnitEverywhere(dialog.units);
    if (!host)
        return;
    VIEW_SETTINGS settings = host->GetViewSettings();
    const bool changed = settings.checkBoxOutlines != (dialog.checkBoxOutlines != 0)
        || settings.showBaselines != (dialog.baselines != 0) || settings.showMargins != (dialog.margins != 0);
    if (!changed)
        return;
    settings.checkBoxOutlines = dialog.checkBoxOutlines != 0;
    settings.showBaselines = dialog.baselines != 0;
    settings.showMargins = dialog.margins != 0;
    host->SetViewSettings(settings);
    for (FBASEVIEW* each : AllFormViews())
        each->RepaintAll();
}
