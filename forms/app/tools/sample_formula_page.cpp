#include "forms/app/tools/sample_formula_page.h"

#include "forms/app/tools/sample_field_page.h"
#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/fobjlist.h"

#include <string>

namespace {

struct Calculated {
    const char* name;
    const char* formula;
};

constexpr Calculated kFormulas[] = {
    {"Total", "Price + Shipping"},
    {"Deliver_by", "Ordered + 14"},
    {"Gift_note", "IF(Gift, \"Wrapped as a gift\", \"Sent as it is\")"},
};

// The next field id that no field of the form carries.
uint16_t NextFreeFieldID(FDOCUMENT& doc)
{
    uint16_t highest = 0;
    for (int i = 0; i < doc.GetTabOrderCount(); ++i)
        if (const uint16_t id = doc.GetFieldIDAt(i); id < 0x8000 && id > highest)
            highest = id;
    uint16_t id = doc.GetNextFieldID();
    while (id <= highest)
        id = doc.GetNextFieldID();
    return id;
}

} // namespace

bool AddSampleFormulaPage(FDOCUMENT& doc, uint16_t page)
{
    const TEXTATTR font = SampleFieldFont();
    struct Made {
        const char* name;
        uint8_t kind;
        const char* initial;
    };
    const Made fields[] = {
        {"Price", kKindNumber, "12.5"},
        {"Shipping", kKindNumber, "4"},
        {"Total", kKindNumber, nullptr},
        {"Ordered", kKindDate, "3/2/2026"},
        {"Deliver_by", kKindDate, nullptr},
        {"Gift", kKindCheckBox, nullptr},
        {"Gift_note", kKindText, nullptr},
    };
    int row = 0;
    for (const Made& made : fields) {
        std::unique_ptr<FFIELD> field = MakeSampleField(font, made.kind, made.name, row++);
        if (!field)
            return false;
        std::string message;
        if (made.initial && !field->GetDataType()->SetInitialValue(made.initial, message, 0))
            return false;
        field->RevertValue(0);
        if (auto* box = dynamic_cast<CHECK_DATATYPE*>(field->GetDataType())) {
            box->strCaption = "Wrap as a gift";
            field->SetAlignment(0);
        }
        // What a formula fills in is not typed.
        if (!made.initial && made.kind != kKindCheckBox)
            field->OnEvent(6, 1, 0);
        field->SetFieldID(NextFreeFieldID(doc));
        std::unique_ptr<FTEXTOBJ> label = MakeSampleLabel(font, *field);
        if (!label)
            return false;
        doc.GetObjects().SetObjectPage(std::move(label), page);
        FFIELD* placed = field.get();
        doc.GetObjects().SetObjectPage(std::move(field), page);
        doc.InsertFieldInOrder(placed, false);
    }
    for (const Calculated& c : kFormulas) {
        uint16_t id = 0;
        char message[abacine::kNameBufferSize + 1] = {};
        if (!doc.FindFieldIDByName(c.name, id) || !doc.GetFormulaHost().AddFormula(id, c.formula, message))
            return false;
    }
    doc.GetFormulaHost().SetAllOutOfDate();
    doc.Calculate(0);
    return true;
}
