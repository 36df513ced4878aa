// The design view's table commands.
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
#include "platform/ui/message_box.h"

#include <algorithm>
#include <string>

namespace {
// The type name that starts a new table's name ("T").
constexpr uint32_t kTableTypeName = 195;
// The smallest width and height of a column or row, in twips.
constexpr int32_t kLeastLine = 144;
// Align code: the left edge at x, the top edge at y.
constexpr uint16_t kAlignLeftTop = 0x0402;
// What a column or row added to a table measures, in twips.
constexpr int32_t kNewColumnWidth = 720;
constexpr int32_t kNewRowHeight = 480;

// The width (height) a table would take with `count` columns (rows) and
// the band before them on or off: kept lines at their sizes, new ones at
// `added` each; a kept band keeps its size, a new one takes `added`.
int32_t ExtentWith(const FTABLE& table, int count, bool band, bool columns, int32_t added)
{
    RECT r;
    table.GetRect(r);
    const int old = columns ? table.GetColumnCount() : table.GetRowCount();
    const bool hadBand = columns ? table.HasRowHeaders() : table.HasColumnHeaders();
    auto pos = [&](int i) { return columns ? table.GetColumnPos(i) : table.GetRowPos(i); };
    const int32_t start = columns ? r.left : r.top;
    int32_t extent = band ? (hadBand ? pos(0) - start : added) : 0;
    const int kept = std::min(count, old);
    extent += pos(kept) - pos(0);
    extent += std::max(0, count - old) * added;
    return extent;
}

// The look of the style a table follows, read part by part into the
// format: new parts of a changed table take it. The format's line borders
// serve the grid and the header lines alike: they take the grid's.
void ReadStyleInto(TABLE_FORMAT& format, const FTABLE& style)
{
    style.GetCellShade(&format.cellShade);
    style.GetColumnHeaderShade(&format.headerShade);
    if (style.GetGridBorder(&format.rowLineBorder))
        format.columnLineBorder = format.rowLineBorder;
    style.GetCellTextAttr(&format.cellText);
    style.GetColumnHeaderTextAttr(&format.headerText);
    if (uint8_t align; style.GetCellAlign(&align))
        format.cellAlignment = align;
    if (uint8_t align; style.GetColumnHeaderAlign(&align))
        format.headerAlignment = align;
}
} // namespace

void DESIGN_TABLE::RegisterCommands()
{
    view.AddCommand(ID_TOOL_TABLE, [this](unsigned) { OnTable(); });
    // The command does not change the tool, so its button is never checked.
    view.AddUpdate(ID_TOOL_TABLE, [](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(0);
    });
    view.AddCommand(ID_TABLE_PROPERTIES, [this](unsigned) { OnTableProperties(); });
    view.AddUpdate(ID_TABLE_PROPERTIES, [this](ui::CmdUI& cmdUI) {
        const FTABLE* table = GetSelectedTable();
        cmdUI.Enable(table && !table->GetEditedHeader());
    });
    view.AddCommand(ID_TABLE_SELECT_COLUMN, [this](unsigned) { OnSelectColumnOrRow(kTypeColumn); });
    view.AddCommand(ID_TABLE_SELECT_ROW, [this](unsigned) { OnSelectColumnOrRow(kTypeRow); });
    for (const unsigned id : {ID_TABLE_SELECT_COLUMN, ID_TABLE_SELECT_ROW})
        view.AddUpdate(id, [this](ui::CmdUI& cmdUI) {
            FSELECTION* selection = view.GetSelection();
            cmdUI.Enable(selection && selection->CanSelectColumn(&view, view.mouseDown.x, view.mouseDown.y) != 0);
        });
}

FTABLE* DESIGN_TABLE::GetSelectedTable() const
{
    FSELECTION* selection = view.GetSelection();
    if (!selection || selection->GetCount() != 1)
        return nullptr;
    return dynamic_cast<FTABLE*>(selection->GetFirstSelected());
}

void DESIGN_TABLE::OnSelectColumnOrRow(uint8_t kind)
{
    FSELECTION* selection = view.GetSelection();
    if (!selection || !selection->CanSelectColumn(&view, view.mouseDown.x, view.mouseDown.y))
        return;
    selection->SelectColumnOrRow(&view, kind, view.mouseDown.x, view.mouseDown.y);
    view.UpdateWindow();
    view.Format().UpdateFormatBar();
}

bool DESIGN_TABLE::ResizesAllColumns(const FTABLE& table, int count, bool rowHeaders, const RECT& printable)
{
    return ExtentWith(table, count, rowHeaders, true, kNewColumnWidth) > printable.right - printable.left;
}

bool DESIGN_TABLE::ResizesAllRows(const FTABLE& table, int count, bool columnHeaders, const RECT& printable)
{
    return ExtentWith(table, count, columnHeaders, false, kNewRowHeight) > printable.bottom - printable.top;
}

void DESIGN_TABLE::OnTableProperties()
{
    FTABLE* table = GetSelectedTable();
    FDOCUMENT* doc = view.GetFormDocument();
    RECT printable;
    if (!table || !doc || !view.GetMarginRect(printable))
        return;
    TABLE_FORMAT format;
    table->GetFormat(format);
    if (const auto* style = dynamic_cast<const FTABLE*>(table->GetMaster()))
        ReadStyleInto(format, *style);

    TABLE_PROPS_DLG dialog(view.GetWindow());
    dialog.name = table->GetName();
    dialog.rows = format.rows;
    dialog.columns = format.columns;
    dialog.columnHeaders = format.columnHeaders != 0;
    dialog.rowHeaders = format.rowHeaders != 0;
    dialog.pageColumns = (printable.right - printable.left) / kLeastLine - 1;
    dialog.pageRows = (printable.bottom - printable.top) / kLeastLine - 1;
    dialog.checkName = [doc](std::string& name) {
        FTABLE probe;
        return probe.ExtCheck(name, reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc))) != 0;
    };
    dialog.resizesAllColumns = [table, printable](int count, bool, bool rowHeaders) {
        return ResizesAllColumns(*table, count, rowHeaders, printable);
    };
    dialog.resizesAllRows = [table, printable](int count, bool columnHeaders, bool) {
        return ResizesAllRows(*table, count, columnHeaders, printable);
    };
    if (dialog.DoModal() != 1)
        return;

    bool changed = false;
    if (dialog.name != table->GetName()) {
        table->SetName(dialog.name);
        changed = true;
    }
    if (dialog.rows != format.rows || dialog.columns != format.columns
        || dialog.columnHeaders != (format.columnHeaders != 0) || dialog.rowHeaders != (format.rowHeaders != 0)) {
        const bool respaceColumns = ResizesAllColumns(*table, dialog.columns, dialog.rowHeaders, printable);
        const bool respaceRows = ResizesAllRows(*table, dialog.rows, dialog.columnHeaders, printable);
        format.rows = static_cast<uint16_t>(dialog.rows);
        format.columns = static_cast<uint16_t>(dialog.columns);
        format.columnHeaders = dialog.columnHeaders ? 1 : 0;
        format.rowHeaders = dialog.rowHeaders ? 1 : 0;
        table->Invalidate(&view);
        const int applied = table->ApplyFormat(format, respaceColumns ? 1 : 0, respaceRows ? 1 : 0, doc, printable.left,
            printable.top, printable.right, printable.bottom);
        table->Invalidate(&view);
        if (applied) {
            // Snapshots taken before hold parts and field ids the table no
            // longer has.
            doc->GetUndoList().Clear();
            changed = true;
        }
    }
    view.UpdateWindow();
    if (changed)
        doc->SetModified(true);
    view.Format().UpdateFormatBar();
    view.SetFocus();
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
