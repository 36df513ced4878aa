// The document's index from field id to field follows the form: fields
// placed alone or in a group, taken out with their page or by deletion,
// restored by Undo Deletion, and read from a file.
#include "tests/document/formula_form.h"

#include "forms/model/fobjlist.h"
#include "forms/objects/fgroup.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

namespace {

using FieldIndexTest = FormulaForm;

TEST_F(FieldIndexTest, FollowsPlacementGroupsDeletionAndRestoring)
{
    FFIELD& kept = AddField(kKindNumber, "Kept");
    FFIELD& deleted = AddField(kKindNumber, "Deleted");
    const uint16_t deletedId = deleted.GetFieldID();

    auto group = std::make_unique<FGROUP>();
    ASSERT_TRUE(group->Init());
    auto member = MakeField({720, 6000, 4000, 6300});
    member->SetDataType(*CreateDataType(kKindText), nullptr);
    member->SetName("Member");
    member->SetFieldID(doc.GetNextFieldID());
    FFIELD* grouped = member.get();
    group->GetMembers().AddTail(std::move(member));
    FORMOBJ* placedGroup = group.get();
    doc.GetObjects().SetObjectPage(std::move(group), 1);
    doc.InsertFieldInOrder(placedGroup, false);

    EXPECT_EQ(doc.FindField(kept.GetFieldID()), &kept);
    EXPECT_EQ(doc.FindField(grouped->GetFieldID()), grouped) << "a field inside a placed group";
    EXPECT_EQ(Ask(abacine::kFieldExists, deletedId), 1);

    doc.RemoveFromTabOrder(&deleted);
    std::unique_ptr<FORMOBJ> held = doc.GetObjects().Remove(&deleted);
    EXPECT_EQ(doc.FindField(deletedId), nullptr) << "a deleted field";
    EXPECT_EQ(Ask(abacine::kFieldExists, deletedId), 0);

    FORMOBJ* restored = held.get();
    doc.GetObjects().SetObjectPage(std::move(held), 1);
    doc.RestoreFields({restored});
    EXPECT_EQ(doc.FindField(deletedId), restored) << "a field brought back by Undo Deletion";

    doc.AppendPage();
    doc.GetObjects().SetObjectPage(&kept, 2);
    const uint16_t keptId = kept.GetFieldID();
    doc.DeletePage(2);
    EXPECT_EQ(doc.FindField(keptId), nullptr) << "a field deleted with its page";
    EXPECT_EQ(doc.FindField(deletedId), restored);
}

TEST_F(FieldIndexTest, FieldsReadFromAFileAreFound)
{
    FFIELD& a = AddField(kKindNumber, "A");
    FFIELD& b = AddField(kKindText, "B");
    io::MemoryFile file;
    {
        io::Archive archive(file, io::Archive::Store);
        doc.Serialize(archive);
        archive.Close();
    }
    FDOCUMENT reopened;
    ASSERT_EQ(reopened.FindField(a.GetFieldID()), nullptr) << "asked before the read";
    io::MemoryFile saved(file.Data());
    io::Archive archive(saved, io::Archive::Load);
    ASSERT_TRUE(reopened.Serialize(archive));
    for (FFIELD* field : {&a, &b}) {
        FORMOBJ* found = reopened.FindField(field->GetFieldID());
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->GetName(), field->GetName());
    }
    EXPECT_EQ(reopened.GetTabOrderCount(), 2) << "the filling order found its fields by id";
    EXPECT_NE(reopened.FindField(0xFFFB), nullptr) << "the special fields";
}

} // namespace
