// A form of fields of every kind with value lists survives saving and
// opening again, with their ids, values, help texts and filling order.
#include "tests/objects/field_test_support.h"

#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/document/special_fields.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/fobjlist.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using FieldFormFileTest = FieldTest;

std::vector<std::string> Describe(FDOCUMENT& doc)
{
    std::vector<std::string> out;
    for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = o->GetNext()) {
        auto* field = dynamic_cast<FFIELD*>(o);
        if (!field) {
            out.push_back("not a field");
            continue;
        }
        std::string line = field->GetName() + " id " + std::to_string(field->GetFieldID()) + " kind "
            + std::to_string(field->GetDataType()->GetTypeTag()) + " help |" + field->GetHelpText() + "|";
        if (auto* values = dynamic_cast<LISTBOXVALUES*>(field->GetValueList())) {
            line += " values";
            for (uint16_t i = 0; i < values->nCount; ++i)
                line += " " + values->pValues[i];
            line += values->bListOnly ? " only" : " others";
            line += " list " + std::to_string(field->GetListExtent().bottom - field->GetListExtent().top);
        }
        out.push_back(line);
    }
    for (int i = 0; i < doc.GetTabOrderCount(); ++i)
        out.push_back("order " + std::to_string(doc.GetFieldIDAt(i)));
    return out;
}

TEST_F(FieldFormFileTest, FieldsOfEveryKindWithValueListsReadBack)
{
    RegisterDocumentObjects();
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "field_form_file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "fields.qwm").string();
    std::filesystem::remove(path);
    ui::ScopedMessageBoxHook noMessages {[](const ui::MessageBoxRequest& request) {
        ADD_FAILURE() << request.text;
        return ui::IDOK;
    }};
    std::vector<std::string> saved;
    {
        FDOCUMENT doc;
        int32_t top = 720;
        for (uint8_t kind : {kKindText, kKindNumber, kKindDate, kKindMemo}) {
            auto field = MakeField({720, top, 4000, top + 300});
            field->SetDataType(*CreateDataType(kind), nullptr);
            field->SetValueList(Values({"One", "Two " + std::to_string(kind)}, kind % 2 == 0).get(), nullptr);
            field->SetHelpText("Help for kind " + std::to_string(kind));
            field->SetName("Kind" + std::to_string(kind));
            field->SetFieldID(doc.GetNextFieldID());
            FORMOBJ* placed = field.get();
            doc.GetObjects().SetObjectPage(std::move(field), 1);
            doc.InsertFieldInOrder(placed, false);
            top += 600;
        }
        saved = Describe(doc);
        ASSERT_EQ(saved.size(), 8u);
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(Describe(reopened), saved);
    EXPECT_EQ(reopened.GetSpecialFields().GetCount(), 4);
    SetSpecialFieldMaker(nullptr);
}

} // namespace
