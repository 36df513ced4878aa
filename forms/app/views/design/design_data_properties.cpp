// The design view's Data Properties command: the data properties sheet on
// the one selected field, or on the column of a table's current cell, and
// what OK writes back to it.
#include "forms/app/views/design/design_data_properties.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/data/data_props_sheet.h"
#include "forms/dialogs/data/field_type.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/model/border.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/message_box.h"

namespace {

// Field property codes of the write-back.
constexpr uint8_t kCodeDataType = 1;
constexpr uint8_t kCodeValues = 2;
constexpr uint8_t kCodeHelp = 3;
constexpr uint8_t kCodeMandatory = 5;
constexpr uint8_t kCodeProtected = 6;
constexpr uint8_t kCodeSaveInDb = 7;
constexpr uint8_t kCodeName = 8;

// "Column data properties - "
constexpr uint32_t kColumnSheetCaption = 208;
constexpr const char* kColumnNotSelected = "Failed to select the column containing the selected cell";

} // namespace

void DESIGN_DATA_PROPERTIES::RegisterCommands()
{
    view.AddCommand(ID_EDIT_DATA_PROPERTIES, [this](unsigned) { OnDataProperties(); });
    view.AddUpdate(ID_EDIT_DATA_PROPERTIES, [this](ui::CmdUI& cmdUI) {
        FSELECTION* selection = view.GetSelection();
        FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
        DATATYPE* type = nullptr;
        cmdUI.Enable(selection && selection->GetCount() == 1 && first && first->GetType() != kTypeGroup
            && first->GetAttribute(1, reinterpret_cast<uintptr_t>(&type)) && type);
    });
}

void DESIGN_DATA_PROPERTIES::OnDataProperties()
{
    FSELECTION* selection = view.GetSelection();
    FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
    if (!first)
        return;
    // A table's sheet works on the whole column of its current cell.
    FORMOBJ* object = first;
    uint32_t captionId = kDataSheetCaption;
    if (auto* table = dynamic_cast<FTABLE*>(first)) {
        object = table->SelectColumnOrRowAt(&view);
        if (!object) {
            ui::MessageBox(kColumnNotSelected, {});
            return;
        }
        captionId = kColumnSheetCaption;
    } else if (first->GetType() != kTypeField) {
        return;
    }
    FDOCUMENT* doc = view.GetFormDocument();
    DATA_PROPS_SHEET sheet(ProgramResources().LoadString(captionId) + object->GetName(), &view, view.GetWindow());
    if (!sheet.InitFromField(object, doc ? doc->GetDocumentCounter() : 0))
        return;
    const uint8_t kindBefore = sheet.GetDataType()->GetTypeTag();
    const std::string nameBefore = object->GetName();
    if (sheet.DoModal() == 1)
        WriteBack(sheet, *object, kindBefore, nameBefore);
    view.SetFocus();
}

void DESIGN_DATA_PROPERTIES::WriteBack(
    DATA_PROPS_SHEET& sheet, FORMOBJ& object, uint8_t kindBefore, const std::string& nameBefore)
{
    FSELECTION* selection = view.GetSelection();
    const FIELD_TYPE& general = sheet.General();
    // The objects read the view back as an OBJECT_VIEW.
    const auto viewArg = reinterpret_cast<uintptr_t>(static_cast<OBJECT_VIEW*>(&view));
    selection->Invalidate(&view);
    selection->OnEvent(kCodeDataType, reinterpret_cast<uintptr_t>(sheet.GetDataType()), viewArg);
    selection->OnEvent(kCodeHelp, reinterpret_cast<uintptr_t>(sheet.GetHelpText().c_str()), viewArg);
    object.OnEvent(kCodeName, reinterpret_cast<uintptr_t>(general.GetName().c_str()), viewArg);
    object.OnEvent(kCodeProtected, general.GetProtect() ? 1 : 0, viewArg);
    object.OnEvent(kCodeMandatory, general.GetMandatory() ? 1 : 0, viewArg);
    object.OnEvent(kCodeSaveInDb, general.GetSaveInDb() ? 1 : 0, viewArg);
    FDOCUMENT* doc = view.GetFormDocument();
    if (doc && (sheet.GetDataType()->GetTypeTag() != kindBefore || general.GetName() != nameBefore))
        doc->GetUndoList().Clear();
    const bool listBox = general.GetActAsListBox();
    const FIELDVALUES* values = listBox ? sheet.GetValues() : nullptr;
    object.OnEvent(kCodeValues, reinterpret_cast<uintptr_t>(values), viewArg);
    // A column has no border of its own to write back.
    if (BORDER border; object.GetType() != kTypeColumn && selection->GetBorder(&border)) {
        if (listBox) {
            border.roundedFlag = 0;
            border.SetDerived(0);
        }
        selection->ChangeBorder(border, &view);
    }
    if (doc)
        doc->SetModified(true);
    selection->Invalidate(&view);
}
