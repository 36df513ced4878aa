// The field's side of filling a form that needs no editor: its value put
// back, its rule checked, and the source of its drop-down list.
#include "forms/objects/ffield.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

void FIELDLISTSOURCE::Fill(VALUELISTBOX& box)
{
    if (values)
        values->FillListBox(box);
    else
        box.ResetContent();
}

int FFIELD::RevertValue(uint32_t increment)
{
    return pDataType ? pDataType->ResetValue(increment) : 1;
}

int FFIELD::CheckRule(OBJECT_VIEW* view)
{
    if (IsProtected() || !pDataType)
        return 1;
    std::string message;
    if (!pDataType->CheckRule(message)) {
        if (view)
            view->SetCurrentField(this);
        ui::MessageBox(message, {});
        return 0;
    }
    if (IsMandatory() && pDataType->IsEmpty()) {
        if (view)
            view->SetCurrentField(this);
        ui::MessageBox(ProgramResources().LoadString(kFieldMustBeFilledId), {});
        return 0;
    }
    return 1;
}

std::unique_ptr<DATATYPE> FFIELD::KeepDataType() const
{
    return pDataType ? pDataType->Clone() : nullptr;
}

void FFIELD::PutBackDataType(std::unique_ptr<DATATYPE> kept)
{
    if (kept)
        pDataType = std::move(kept);
}
