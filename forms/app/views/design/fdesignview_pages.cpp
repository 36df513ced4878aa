// The design view's page commands (Append, Insert and Delete Page), the
// grid dialog, and the process-wide Snap To Grid switch and display unit
// that every view copies.
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

bool FDESIGNVIEW::IsSnapToGridOn()
{
    return snapToGrid;
}

std::vector<FBASEVIEW*> FDESIGNVIEW::AllFormViews()
{
    std::vector<ui::Document*> documents;
    if (host)
        documents = host->Documents();
    if (ui::Document* own = GetDocument(); own && std::find(documents.begin(), documents.end(), own) == documents.end())
        documents.push_back(own);
    std::vector<FBASEVIEW*> found;
    for (ui::Document* doc : documents)
        for (ui::View* view : doc->Views())
            if (auto* form = dynamic_cast<FBASEVIEW*>(view))
                found.push_back(form);
    if (std::find(found.begin(), found.end(), this) == found.end())
        found.push_back(this);
    return found;
}

std::vector<FDESIGNVIEW*> FDESIGNVIEW::AllDesignViews()
{
    std::vector<FDESIGNVIEW*> found;
    for (FBASEVIEW* view : AllFormViews())
        if (auto* design = dynamic_cast<FDESIGNVIEW*>(view))
            found.push_back(design);
    return found;
}

void FDESIGNVIEW::SetUnitEverywhere(uint8_t newUnit)
{
    if (host) {
        VIEW_SETTINGS settings = host->GetViewSettings();
        settings.inches = newUnit;
        host->SetViewSettings(settings);
    }
    for (FBASEVIEW* view : AllFormViews())
        view->SetUnit(newUnit);
    for (FDESIGNVIEW* view : AllDesignViews())
        view->SetRulerUnit(newUnit);
    // The panes show the selection in the new unit.
    ShowSelectionPosSize();
}

void FDESIGNVIEW::RegisterPageCommands()
{
    const auto always = [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); };
    AddCommand(ID_EDIT_APPEND_PAGE, [this](unsigned) { OnAppendPage(); });
    AddUpdate(ID_EDIT_APPEND_PAGE, always);
    AddCommand(ID_EDIT_INSERT_PAGE, [this](unsigned) { OnInsertPage(); });
    AddUpdate(ID_EDIT_INSERT_PAGE, always);
    AddCommand(ID_EDIT_DELETE_PAGE, [this](unsigned) { OnDeletePage(); });
    AddUpdate(ID_EDIT_DELETE_PAGE, always);
    AddCommand(ID_FILE_PAGE_SETUP, [this](unsigned) { OnPageSetup(); });
    AddUpdate(ID_FILE_PAGE_SETUP, always);
    AddCommand(ID_TOOLS_OPTIONS, [this](unsigned) { OnOptions(); });
    AddUpdate(ID_TOOLS_OPTIONS, always);
    AddCommand(ID_TOOLS_GRID_SETTINGS, [this](unsigned) { OnGridSettings(); });
    AddUpdate(ID_TOOLS_GRID_SETTINGS, always);
    AddCommand(ID_DRAW_SNAP_TO_GRID, [this](unsigned) { OnSnapToGrid(); });
    AddUpdate(ID_DRAW_SNAP_TO_GRID, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(snap ? 1 : 0);
    });
}

void FDESIGNVIEW::SendPageHint(uint8_t kind, uint16_t page)
{
    const FHINT hint(kind, page);
    if (ui::Document* doc = GetDocument())
        for (ui::View* view : doc->Views())
            if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this)
                other->OnUpdate(this, 0, &hint);
}

void FDESIGNVIEW::OnAppendPage()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !editor)
        return;
    editor->AppendPage();
    SetPage(doc->GetPageCount());
}

void FDESIGNVIEW::OnInsertPage()
{
    if (!GetFormDocument() || !editor)
        return;
    const auto page = static_cast<uint16_t>(currentPage);
    editor->InsertPage(page);
    SetPage(page);
    SendPageHint(kHintPageInserted, page);
}

void FDESIGNVIEW::OnDeletePage()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !editor)
        return;
    // The undo list is emptied even when the page stays.
    doc->GetUndoList().Clear();
    const auto page = static_cast<uint16_t>(currentPage);
    if (doc->PageHasObjects(page)
        && ui::MessageBox(ProgramResources().LoadString(kDeletePageQuestion), {},
               ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_SYSTEMMODAL)
            != ui::IDYES)
        return;
    editor->DeletePage(page);
    SetPage(std::min<int>(page, doc->GetPageCount()));
    SendPageHint(kHintPageDeleted, page);
}

void FDESIGNVIEW::OnSnapToGrid()
{
    snapToGrid = !snapToGrid;
    for (FDESIGNVIEW* view : AllDesignViews())
        view->SetSnap(snapToGrid);
}

void FDESIGNVIEW::OnGridSettings()
{
    FDOCUMENT* doc = GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(currentPage)) : nullptr;
    if (!layout)
        return;
    GRIDDIALOG dialog(GetWindow());
    dialog.values = GridValues::FromGrid(layout->grid, static_cast<uint8_t>(unit));
    if (dialog.DoModal() != 1)
        return;
    if (dialog.values.unit != unit)
        SetUnitEverywhere(dialog.values.unit);
    dialog.values.ToGrid(layout->grid);
    // The grid is saved with the form.
    doc->SetModified(true);
    InvalidateAll();
}

void FDESIGNVIEW::OnPageSetup()
{
    FDOCUMENT* doc = GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(currentPage)) : nullptr;
    if (!layout)
        return;
    RECT extent;
    doc->GetObjects().GetExtent(extent, kAllPages);
    PAGE_SETUP_DLG dialog(GetWindow());
    dialog.values = PageSetupValues::FromLayout(*layout, extent, static_cast<uint8_t>(unit));
    if (dialog.DoModal() != 1)
        return;
    doc->SetModified(true);
    if (host)
        host->SetOrientation(dialog.values.orientation);
    dialog.values.ToLayout(*layout);
    OnZoomChanged();
}

void FDESIGNVIEW::OnOptions()
{
    const VIEW_SETTINGS now = Settings();
    OPTIONS_DLG dialog(GetWindow());
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
    for (FBASEVIEW* view : AllFormViews())
        view->RepaintAll();
}
