// Objects that follow a style: a box, a text object, a field, the radio
// buttons of a group and a special field follow one edit of their style
// and keep its look, line spacing included, once it is deleted; the styles'
// section with objects that name their styles, against its bytes; and the
// objects follow their styles again after a save and an open.
#include "tests/objects/field_test_support.h"

#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/edit/undo_action.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/fobjlist.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/objects/fgroup.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLineSpacing = 4;

class StyleUsersTest : public FieldTest {
protected:
    StyleUsersTest() { RegisterDocumentObjects(); }
    ~StyleUsersTest() override { UnregisterObjectClass(kTypeGroup); }

    static std::unique_ptr<FBOX> MakeBox(RECT r)
    {
        auto box = std::make_unique<FBOX>();
        box->Create(BASICSHADE(), BORDER(), SHADOW());
        box->SetRect(r.left, r.top, r.right, r.bottom);
        return box;
    }

    // A box style, a text style and a field style, each named Red.
    void AddStyles(FDOCUMENT& doc)
    {
        auto box = MakeBox({190, 190, 1250, 1250});
        box->SetName("Red");
        boxStyle = box.get();
        doc.AddStyleInNameOrder(std::move(box));
        auto text = MakeText("", Font(0, 200));
        text->SetName("Red");
        textStyle = text.get();
        doc.AddStyleInNameOrder(std::move(text));
        auto field = MakeField();
        field->SetName("Red");
        fieldStyle = field.get();
        doc.AddStyleInNameOrder(std::move(field));
    }

    static BORDER Thick()
    {
        BORDER border;
        border.width = 60;
        border.colour = 0x0000FF;
        return border;
    }

    // What the Style Manager does with an edit: the style takes the edited
    // copy's appearance.
    static void Edit(FORMOBJ* style, uint16_t spacing)
    {
        std::unique_ptr<FORMOBJ> copy = style->Clone();
        copy->SetBorder(Thick());
        copy->SetAttribute(kLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        style->TakeAppearanceFrom(*copy);
    }

    FORMOBJ* boxStyle = nullptr;
    FORMOBJ* textStyle = nullptr;
    FORMOBJ* fieldStyle = nullptr;
};

// What an object shows: its border's width and colour, its line spacing
// when it has one, and whether it follows a style.
std::string Look(FORMOBJ* object)
{
    BORDER border;
    std::string out = object->GetBorder(&border)
        ? "border " + std::to_string(border.width) + " " + std::to_string(border.colour)
        : "no border";
    if (uint16_t spacing = 0; object->GetAttribute(kLineSpacing, reinterpret_cast<uintptr_t>(&spacing)))
        out += " spacing " + std::to_string(spacing);
    out += object->GetMaster() ? " follows" : " own";
    return out;
}

TEST_F(StyleUsersTest, UsersFollowAnEditAndKeepTheLookOnceTheStyleIsDeleted)
{
    FDOCUMENT doc;
    AddStyles(doc);
    auto box = MakeBox({720, 720, 2000, 2000});
    box->SetMaster(boxStyle);
    FORMOBJ* boxUser = box.get();
    doc.GetObjects().SetObjectPage(std::move(box), 1);
    auto text = MakeText("Hello", Font(0, 200));
    text->SetMaster(textStyle);
    FORMOBJ* textUser = text.get();
    doc.GetObjects().SetObjectPage(std::move(text), 1);
    auto field = MakeField({720, 3000, 3000, 3300});
    field->SetMaster(fieldStyle);
    FORMOBJ* fieldUser = field.get();
    doc.GetObjects().SetObjectPage(std::move(field), 1);
    auto group = std::make_unique<FGROUP>();
    group->Init();
    std::vector<FORMOBJ*> radios;
    for (int i = 0; i < 3; ++i) {
        auto radio = MakeField({720, 4000 + 400 * i, 3000, 4300 + 400 * i});
        radios.push_back(radio.get());
        group->GetMembers().AddTail(std::move(radio));
    }
    group->SetFieldsRadioGroup(group.get());
    group->SetMaster(fieldStyle);
    FGROUP* groupObject = group.get();
    doc.GetObjects().SetObjectPage(std::move(group), 1);
    FORMOBJ* special = doc.GetSpecialFields().GetHead();
    ASSERT_NE(special, nullptr);
    special->SetMaster(fieldStyle);
    const std::vector<FORMOBJ*> users = {boxUser, textUser, fieldUser, radios[0], radios[1], radios[2], special};
    EXPECT_EQ(groupObject->GetMaster(), fieldStyle) << "every member follows the field style";

    Edit(boxStyle, 0);
    Edit(textStyle, 300);
    Edit(fieldStyle, 300);
    std::vector<std::string> followed;
    for (FORMOBJ* user : users)
        followed.push_back(Look(user));
    const std::string thick = "border 60 255";
    EXPECT_EQ(followed[0], thick + " follows");
    EXPECT_EQ(followed[2], thick + " spacing 300 follows");
    for (size_t i = 3; i < users.size(); ++i)
        EXPECT_EQ(followed[i], followed[2]) << "user " << i;
    EXPECT_NE(followed[1].find("spacing 300 follows"), std::string::npos) << followed[1];

    // A snapshot for Undo holds a copy of the box that follows the style.
    boxUser->SetSelectFlag(1);
    ASSERT_NE(doc.GetUndoList().Record({&doc.GetObjects(), nullptr, kUndoSnapshot}, 0), nullptr);
    boxUser->SetSelectFlag(0);
    ASSERT_FALSE(doc.GetUndoList().IsEmpty());

    doc.DeleteStyle(boxStyle);
    doc.DeleteStyle(textStyle);
    doc.DeleteStyle(fieldStyle);
    EXPECT_TRUE(doc.GetUndoList().IsEmpty()) << "no copy keeps a deleted style";
    EXPECT_EQ(doc.GetFirstListObject(), nullptr);
    for (size_t i = 0; i < users.size(); ++i) {
        std::string kept = followed[i];
        kept.replace(kept.rfind(" follows"), 8, " own");
        EXPECT_EQ(Look(users[i]), kept) << "user " << i;
    }
    for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = doc.GetObjects().GetNextDeep(o))
        EXPECT_EQ(o->GetMaster(), nullptr);
}

std::vector<uint8_t> ReadHex(const std::string& path)
{
    std::ifstream in(path);
    std::vector<uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        while (words >> word)
            bytes.push_back(static_cast<uint8_t>(std::stoi(word, nullptr, 16)));
    }
    return bytes;
}

std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char cell[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(cell, sizeof cell, "%02X", bytes[i]);
        out += cell;
        out += (i % 16 == 15) ? "\n" : " ";
    }
    return out;
}

TEST_F(StyleUsersTest, TheStylesSectionAndItsUsersMatchTheirBytesAndFollowAgainWhenOpened)
{
    ui::ScopedMessageBoxHook noMessages {[](const ui::MessageBoxRequest& request) {
        ADD_FAILURE() << request.text;
        return ui::IDOK;
    }};
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "style_users";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "styles.qwm").string();
    std::filesystem::remove(path);
    std::vector<uint8_t> written;
    {
        FDOCUMENT doc;
        auto box = MakeBox({190, 190, 1250, 1250});
        box->SetName("Red");
        box->SetBorder(Thick());
        FORMOBJ* red = box.get();
        doc.AddStyleInNameOrder(std::move(box));
        auto text = MakeText("", Font(0, 200));
        text->SetName("Red");
        FORMOBJ* redText = text.get();
        doc.AddStyleInNameOrder(std::move(text));
        auto user = MakeBox({720, 720, 1440, 1440});
        user->SetMaster(red);
        doc.GetObjects().SetObjectPage(std::move(user), 1);
        auto words = MakeText("Hi", Font(0, 200));
        words->SetRect(720, 2000, 2000, 2300);
        words->SetMaster(redText);
        doc.GetObjects().SetObjectPage(std::move(words), 1);

        io::MemoryFile file;
        {
            io::Archive archive(file, io::Archive::Store);
            RECORDARCHIVE ar(archive, &doc);
            doc.GetStyles().Save(ar, 0x4A, 0);
            doc.GetObjects().Save(ar, 0x29, 0);
            archive.Close();
        }
        written = file.Data();
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    const std::vector<uint8_t> fixture = ReadHex(FORMS_TEST_DATA_DIR "/document/styles_section.hex");
    EXPECT_EQ(Hex(written), Hex(fixture));

    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    FORMOBJ* red = reopened.FindObjectByName(kTypeBox, "Red");
    FORMOBJ* redText = reopened.FindObjectByName(kTypeText, "Red");
    ASSERT_TRUE(red && redText);
    FORMOBJ* user = reopened.GetObjects().GetHead();
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->GetMaster(), red);
    EXPECT_EQ(user->GetNext()->GetMaster(), redText);
    BORDER edited;
    edited.width = 100;
    red->SetBorder(edited);
    BORDER shown;
    ASSERT_TRUE(user->GetBorder(&shown));
    EXPECT_EQ(shown.width, 100) << "the reopened object follows its style";
}

} // namespace
