// The table's names and ids: its type name and the check of a typed name,
// fresh ids and names when it comes onto a form, column names, and cells
// found by field id and by full name.
#include "forms/objects/ftable.h"

#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/objects/fcell.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/message_box.h"

void FTABLE::GetTypeName(std::string& out) const
{
    out = ProgramResources().LoadString(kTableTypeNameId);
}

int FTABLE::ExtCheck(std::string& newName, uintptr_t a)
{
    newName.erase(newName.find_last_not_of(' ') + 1);
    if (const uint16_t refusal = CheckName(newName)) {
        ui::MessageBox(ProgramResources().LoadString(refusal), {});
        return 0;
    }
    newName = text::ToLower(newName);
    newName[0] = static_cast<char>(text::ToUpper(static_cast<unsigned char>(newName[0])));
    if (auto* document = reinterpret_cast<OBJECT_DOCUMENT*>(a)) {
        FORMOBJ* other = document->FindObjectOfTypeByName(kTypeTable, newName);
        if (other && other != this) {
            ui::MessageBox(ProgramResources().LoadString(kTableNameTakenId), {});
            return 0;
        }
    }
    return 1;
}

void FTABLE::ExtRefresh(uintptr_t arg)
{
    auto* document = reinterpret_cast<OBJECT_DOCUMENT*>(arg);
    if (!document)
        return;
    tableId = document->GetNextTableID();
    ForEachCell([arg](FORMOBJ& cell) { cell.ExtRefresh(arg); });
}

void FTABLE::DropMasterIfZero(int flag, uintptr_t arg)
{
    FORMOBJ::DropMasterIfZero(flag, arg);
    auto* view = reinterpret_cast<OBJECT_VIEW*>(arg);
    OBJECT_DOCUMENT* document = view ? view->GetObjectDocument() : nullptr;
    if (!document)
        return;
    FORMOBJ* other = document->FindObjectOfTypeByName(kTypeTable, name);
    const bool taken = other && other != this;
    std::string fresh;
    if (flag) {
        // A copy into the form it came from: a new name and ids only when
        // its name is there already.
        if (taken) {
            SetName(GetDefaultName(fresh, static_cast<int16_t>(document->GetTableCounter(true))));
            ExtRefresh(reinterpret_cast<uintptr_t>(document));
        }
        return;
    }
    ExtRefresh(reinterpret_cast<uintptr_t>(document));
    if (taken || IsDefaultName(name))
        SetName(GetDefaultName(fresh, static_cast<int16_t>(document->GetTableCounter(true))));
}

void FTABLE::GetColumnName(std::string& out, int i) const
{
    out = i >= 0 && static_cast<size_t>(i) < columnNames.size() ? columnNames[i] : std::string();
}

void FTABLE::SetColumnName(int i, std::string_view newName)
{
    if (i >= 0 && static_cast<size_t>(i) < columnNames.size())
        columnNames[i] = newName;
}

FCELL* FTABLE::FindCellById(uint16_t id) const
{
    // Formulas over a column ask for every cell of the range in turn: a
    // walk of the whole table each time would make a sum over a long
    // column quadratic.
    if (const auto at = cellPlaces.find(id); at != cellPlaces.end()) {
        const auto [c, r] = at->second;
        if (c < cells.size() && r < cells[c].size() && cells[c][r]->GetFieldID() == id)
            return cells[c][r].get();
    }
    cellPlaces.clear();
    FCELL* found = nullptr;
    for (size_t c = 0; c < cells.size(); ++c)
        for (size_t r = 0; r < cells[c].size(); ++r) {
            FCELL* cell = cells[c][r].get();
            cellPlaces.emplace(cell->GetFieldID(), std::pair {static_cast<uint16_t>(c), static_cast<uint16_t>(r)});
            if (!found && cell->GetFieldID() == id)
                found = cell;
        }
    return found;
}

int FTABLE::FindCellByName(std::string_view wanted, uint16_t& id) const
{
    auto* self = const_cast<FTABLE*>(this);
    auto* cell = dynamic_cast<FCELL*>(self->FindCellByName(wanted));
    if (!cell)
        return 0;
    id = cell->GetFieldID();
    return 1;
}

FCELL* FTABLE::GetCellBelow(const FCELL& cell, uint16_t last) const
{
    const int below = cell.GetRow() + 1;
    if (cell.GetColumn() >= columns || below >= rows)
        return nullptr;
    const FCELL* end = FindCellById(last);
    if (!end || end->GetRow() < below)
        return nullptr;
    return GetCell(cell.GetColumn(), below);
}

uint16_t FTABLE::GetIdBelow(const FCELL& cell, uint16_t last) const
{
    const FCELL* below = GetCellBelow(cell, last);
    return below ? below->GetFieldID() : 0;
}
