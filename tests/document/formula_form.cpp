// The formula host tests' form.
#include "tests/document/formula_form.h"

#include "forms/document/document_objects.h"
#include "forms/model/fobjlist.h"

TableDouble::TableDouble(FDOCUMENT& doc, const std::string& name, const std::vector<std::string>& columns,
    uint16_t rows, const TEXTATTR& font)
    : TestBox(kTypeTable, name)
    , columnCount(static_cast<uint16_t>(columns.size()))
    , rowCount(rows)
{
    SetName(name);
    for (uint16_t r = 0; r < rows; ++r)
        for (const std::string& column : columns) {
            auto cell = std::make_unique<FFIELD>();
            cell->InitWithFont(font);
            cell->SetDataType(*CreateDataType(kKindNumber), nullptr);
            cell->SetName(name + "." + column + "[" + std::to_string(r + 1) + "]");
            cell->SetFieldID(doc.GetNextFieldID());
            cell->SetUpToDate(1);
            cells.push_back(std::move(cell));
        }
}

FORMOBJ* TableDouble::FindCell(uint16_t id)
{
    for (auto& cell : cells)
        if (cell->GetFieldID() == id)
            return cell.get();
    return nullptr;
}

bool TableDouble::GetCellPlace(uint16_t id, uint16_t& column, uint16_t& row)
{
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i]->GetFieldID() == id) {
            column = static_cast<uint16_t>(i % columnCount);
            row = static_cast<uint16_t>(i / columnCount);
            return true;
        }
    return false;
}

FORMOBJ* TableDouble::GetCellAt(uint16_t column, uint16_t row)
{
    return column < columnCount && row < rowCount ? cells[row * columnCount + column].get() : nullptr;
}

FORMOBJ* TableDouble::FindCellByName(std::string_view name)
{
    for (auto& cell : cells)
        if (cell->GetName() == name)
            return cell.get();
    return nullptr;
}

void TableDouble::ForEachCell(const std::function<void(FORMOBJ&)>& visit)
{
    for (auto& cell : cells)
        visit(*cell);
}

FormulaForm::FormulaForm()
{
    RegisterDocumentObjects();
    RegisterValueDataTypes();
}

FFIELD& FormulaForm::AddField(uint8_t kind, const std::string& name)
{
    auto field = MakeField({720, nextTop, 4000, nextTop + 300});
    nextTop += 400;
    field->SetDataType(*CreateDataType(kind), nullptr);
    field->SetName(name);
    field->SetFieldID(doc.GetNextFieldID());
    FFIELD* placed = field.get();
    doc.GetObjects().SetObjectPage(std::move(field), 1);
    doc.InsertFieldInOrder(placed, false);
    return *placed;
}

TableDouble& FormulaForm::AddTable(const std::string& name, const std::vector<std::string>& columns, uint16_t rows)
{
    auto table = std::make_unique<TableDouble>(doc, name, columns, rows, Font(0, 200));
    table->SetPlace(1, {720, nextTop, 4000, nextTop + 300 * rows});
    nextTop += 300 * rows + 100;
    TableDouble* placed = table.get();
    doc.GetObjects().SetObjectPage(std::move(table), 1);
    doc.InsertFieldInOrder(placed, false);
    return *placed;
}

std::string FormulaForm::Formula(FFIELD& field, const std::string& text)
{
    char message[abacine::kNameBufferSize + 1] = {};
    if (doc.GetFormulaHost().AddFormula(field.GetFieldID(), text.c_str(), message))
        return "";
    return message;
}

void FormulaForm::SetNumber(FFIELD& field, double value)
{
    OPERAND operand {};
    operand.nType = kOperandNumber;
    operand.dNumber = value;
    field.GetDataType()->SetFromOperand(operand);
}

OPERAND FormulaForm::Value(FFIELD& field)
{
    OPERAND operand {};
    field.GetDataType()->GetOperand(operand);
    return operand;
}
