// The design view's Table command.
#include "forms/app/views/design/design_table.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/table/table_props_dlg.h"
#include "forms/document/fdocument.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/dc.h"
#include "platform/ui/cmd_ui.h"

#include <algorithm>
#include <string>

namespace {
// The type name that starts a new table's name ("T").
constexpr uint32_t kTableTypeName = 195;
// The smallest width and height of a column or row, in twips.
constexpr int32_t kLeastLine = 144;
// Align code: the left edge at x, the top edge at y.
constexpr uint16_t kAlignLeftTop = 0x0402;
} // namespace

void DESIGN_TABLE::RegisterCommands()
{
    view.AddCommand(ID_TOOL_TABLE, [this](unsigned) { OnTable(); });
    // The command does not change the tool, so its button is never checked.
    view.AddUpdate(ID_TOOL_TABLE, [](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(0);
    });
}

std::unique_ptr<FTABLE> DESIGN_TABLE::MakeTable(const TABLE_FORMAT& format)
{
    auto table = std::make_unique<FTABLE>();
    return table->CreateFromFormat(format) ? std::move(table) : nullptr;
}

void DESIGN_TABLE::OnTable()
{
    FDOCUMENT* doc = view.GetFormDocument();
    RECT margins;
    if (!doc || !view.GetMarginRect(margins))
        return;
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetCount() > 0)
        selection->Deselect(&view);
    view.SetTool(kSelectionTool);
    view.UpdateWindow();

    const std::string proposed
        = ProgramResources().LoadString(kTableTypeName) + std::to_string(doc->GetTableCounter(false));
    TABLE_PROPS_DLG dialog(view.GetWindow());
    dialog.name = proposed;
    dialog.rows = 4;
    dialog.columns = 4;
    dialog.columnHeaders = true;
    dialog.rowHeaders = true;
    dialog.pageColumns = (margins.right - margins.left) / kLeastLine - 1;
    dialog.pageRows = (margins.bottom - margins.top) / kLeastLine - 1;
    dialog.checkName = [doc](std::string& name) {
        FTABLE probe;
        return probe.ExtCheck(name, reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc))) != 0;
    };
    if (dialog.DoModal() != 1)
        return;

    doc->GetUndoList().Clear();
    if (dialog.name == proposed)
        doc->GetTableCounter(true);
    TABLE_FORMAT format;
    format.rows = static_cast<uint16_t>(dialog.rows);
    format.columns = static_cast<uint16_t>(dialog.columns);
    format.columnHeaders = dialog.columnHeaders ? 1 : 0;
    format.rowHeaders = dialog.rowHeaders ? 1 : 0;
    const int32_t width = std::min<int32_t>(
        gdi::MulDiv(1440, dialog.columns + (dialog.columnHeaders ? 1 : 0), 2), margins.right - margins.left);
    const int32_t height = std::min<int32_t>(
        gdi::MulDiv(1440, dialog.rows + (dialog.rowHeaders ? 1 : 0), 3), margins.bottom - margins.top);
    POINT origin {0, 0};
    {
        VIEWDC dc(&view, kOwnWindow);
        if (dc.IsSetUp())
            origin = {dc.originX, dc.originY};
    }
    const POINT corner {margins.left + origin.x, margins.top + origin.y};
    format.rect = {corner.x, corner.y, corner.x + width, corner.y + height};

    std::unique_ptr<FTABLE> table = MakeTable(format);
    if (!table)
        return;
    FTABLE* placed = table.get();
    const auto page = view.GetCurrentPage();
    placed->SetPage(page);
    // The table id and a field id for every cell.
    placed->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc)));
    doc->GetObjects().SetObjectPage(std::move(table), page);
    doc->InsertFieldInOrder(placed, false);
    placed->SetName(dialog.name);
    placed->Select(&view);
    placed->Align(&view, kAlignLeftTop, corner.x, corner.y);
    placed->Invalidate(&view);
    view.UpdateWindow();
    doc->SetModified(true);
}
