// The form document's side of its formula host: fields by name, results
// stored into fields, and the view that shows them.
#include "forms/document/fdocument.h"

#include "forms/document/ccinterface.h"
#include "forms/document/field_identity.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/object_view.h"
#include "forms/model/table_cells.h"
#include "forms/objects/ffield.h"

#include "platform/ui/view.h"

void FDOCUMENT::Calculate(uint16_t id)
{
    formulaHost->Calculate(id);
}

void FDOCUMENT::SetFieldDependantsOOD(uint16_t id)
{
    formulaHost->SetFieldDependantsOOD(id);
}

int FDOCUMENT::FindFieldIDByName(std::string_view name, uint16_t& id)
{
    std::string full;
    for (FORMOBJ* o = objects.GetHead(); o; o = objects.GetNextDeep(o)) {
        FORMOBJ* found = nullptr;
        if (auto* table = dynamic_cast<TABLE_CELLS*>(o)) {
            found = table->FindCellByName(name);
        } else if (AsField(o)) {
            o->GetFullName(full);
            if (full == name)
                found = o;
        }
        if (found) {
            id = AsField(found)->GetFieldID();
            return 1;
        }
    }
    return 0;
}

OBJECT_VIEW* FDOCUMENT::GetActiveObjectView()
{
    OBJECT_VIEW* first = nullptr;
    for (ui::View* view : Views()) {
        auto* shown = dynamic_cast<OBJECT_VIEW*>(view);
        if (!shown)
            continue;
        if (shown->IsActiveView())
            return shown;
        if (!first)
            first = shown;
    }
    return first ? first : windowlessView.get();
}

void FDOCUMENT::SetFieldResult(uint16_t id, const OPERAND& value)
{
    auto* field = dynamic_cast<FFIELD*>(FindField(id));
    DATATYPE* type = field ? field->GetDataType() : nullptr;
    if (!type)
        return;
    type->SetFromOperand(value);
    OBJECT_VIEW* view = GetActiveObjectView();
    if (field->IsCheckBox()) {
        OPERAND now {};
        type->GetOperand(now);
        // A result that checks a radio button clears the others of its
        // group, whose dependants are then out of date.
        if (now.nType == kOperandNumber && now.dNumber != 0.0)
            field->UncheckRadioGroup(view, 1);
    }
    // A field on a page the view does not show has nothing there to
    // repaint; other views are told of the change as the field is.
    if (view && field->GetPage() != 0 && field->GetPage() != view->GetCurrentPage() && !view->HasOtherViews())
        return;
    field->Invalidate(view);
}
