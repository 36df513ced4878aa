#include "forms/app/tools/sample_table_page.h"

#include "forms/app/tools/sample_field_page.h"
#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/model/fobjlist.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"
#include "forms/res/program_resources.h"

#include <memory>
#include <string>

namespace {

// Columns A to D, from 0.
enum : uint16_t { kItemColumn, kCountColumn, kPackedColumn, kColourColumn, kColumnCount };
constexpr uint16_t kRowCount = 4;
// The header row and four rows of cells, from the left margin to the
// fields' right edge (twips).
constexpr RECT kTableRect {720, 1080, 7200, 1080 + 5 * 400};
// The sample field row (600 twips apart) that lies below the table.
constexpr int kTotalRow = 5;

constexpr const char* kItems[kRowCount] = {"Pencils", "Paper", "Ink", "Envelopes"};

// Each cell of a column takes the column's kind and, in the list column,
// the list; an item's name in the text column. False when a value is
// refused.
bool ShapeCells(FTABLE& table)
{
    LISTBOXVALUES colours;
    for (const char* value : {"Red", "Green", "Blue", "Black"})
        colours.AppendValue(value);
    colours.bListOnly = 1;
    const std::unique_ptr<DATATYPE> number = CreateDataType(kKindNumber);
    const std::unique_ptr<DATATYPE> box = CreateDataType(kKindCheckBox);
    for (uint16_t row = 0; row < kRowCount; ++row) {
        // The items are the cells' initial values: filling starts from them.
        FCELL* item = table.GetCell(kItemColumn, row);
        std::string message;
        if (!item->GetDataType()->SetInitialValue(kItems[row], message, 0))
            return false;
        item->RevertValue(0);
        table.GetCell(kCountColumn, row)->SetDataType(*number, nullptr);
        FCELL* packed = table.GetCell(kPackedColumn, row);
        packed->SetDataType(*box, nullptr);
        if (auto* check = dynamic_cast<CHECK_DATATYPE*>(packed->GetDataType()))
            check->nStyle = kCheckTick;
        table.GetCell(kColourColumn, row)->SetValueList(&colours, nullptr);
    }
    // A check box's kind trims a field to one line: the table places its
    // cells again in its own rectangle.
    RECT at;
    table.GetRect(at);
    table.SetRectBy(at.left, at.top, at.right, at.bottom);
    return true;
}

} // namespace

bool AddSampleTablePage(FDOCUMENT& doc, uint16_t page)
{
    const TEXTATTR font = SampleFieldFont();
    TABLE_FORMAT format;
    format.rect = kTableRect;
    format.columns = kColumnCount;
    format.rows = kRowCount;
    format.columnHeaders = 1;
    format.rowHeaders = 1;
    format.cellText = font;
    format.headerText = font;
    auto table = std::make_unique<FTABLE>();
    if (!table->CreateFromFormat(format))
        return false;
    if (!ShapeCells(*table))
        return false;
    table->SetPage(page);
    // The table id and a field id for every cell; the name the Table
    // command would have proposed, so that the next table is T2.
    table->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
    table->SetName(ProgramResources().LoadString(kTableTypeNameId) + std::to_string(doc.GetTableCounter(true)));
    FTABLE* placed = table.get();
    doc.GetObjects().SetObjectPage(std::move(table), page);
    doc.InsertFieldInOrder(placed, false);

    std::unique_ptr<FFIELD> total = MakeSampleField(font, kKindNumber, "Column_total", kTotalRow);
    if (!total)
        return false;
    // What the formula fills in is not typed.
    total->OnEvent(6, 1, 0);
    total->SetFieldID(doc.GetNextFieldID());
    std::unique_ptr<FTEXTOBJ> label = MakeSampleLabel(font, *total);
    if (!label)
        return false;
    doc.GetObjects().SetObjectPage(std::move(label), page);
    FFIELD* sum = total.get();
    doc.GetObjects().SetObjectPage(std::move(total), page);
    doc.InsertFieldInOrder(sum, false);

    std::string column;
    placed->GetColumnName(column, kCountColumn);
    const std::string formula = "SUM(" + placed->GetName() + "." + column + "[1.." + std::to_string(kRowCount) + "])";
    char message[abacine::kNameBufferSize + 1] = {};
    if (!doc.GetFormulaHost().AddFormula(sum->GetFieldID(), formula.c_str(), message))
        return false;
    doc.GetFormulaHost().SetAllOutOfDate();
    doc.Calculate(0);
    return true;
}
