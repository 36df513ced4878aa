// Copy, Cut and Paste in the design view: where pastes land, what the
// commands offer, and what a paste within a form, into another form, or of
// damaged data does to fields, names, ids and the filling order.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/second_form.h"

#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/editor/form_editor.h"
#include "forms/model/record_archive.h"
#include "forms/model/textattr.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/fselection.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

class DesignerClipboardTest : public DesignerTest {
protected:
    DesignerClipboardTest()
    {
        FORM_EDITOR::ResetPasteOffset();
        QGuiApplication::clipboard()->clear();
        box = Add(kTypeBox, {1440, 1440, 2880, 2880});
        field = AddField({1440, 3600, 4320, 3888});
    }
    // Copies the selection and pastes it: the paste is refused with the
    // message that it is too large, and the form stays as it was.
    void ExpectCopyPastedRefusedAsTooLarge()
    {
        view.GetClipboard().OnEditCopy();
        doc->SetModified(false);
        std::vector<std::string> shown;
        ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest& request) {
            shown.push_back(request.text);
            return ui::IDOK;
        });
        const std::vector<FORMOBJ*> before = Objects();
        view.GetClipboard().OnEditPaste();
        EXPECT_EQ(shown, std::vector<std::string> {"Clipboard selection is too large to fit on the page."});
        EXPECT_EQ(Objects(), before);
        EXPECT_FALSE(doc->IsModified());
    }
    FFIELD* AddField(RECT r)
    {
        auto* f = dynamic_cast<FFIELD*>(Add(kTypeField, r));
        f->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
        doc->InsertFieldInOrder(f, false);
        return f;
    }
    // The objects selected after a paste: the new ones.
    std::vector<FORMOBJ*> PasteSelects(FDESIGNVIEW& into)
    {
        into.GetClipboard().OnEditPaste();
        std::vector<FORMOBJ*> chosen;
        for (FORMOBJ* o = into.GetFormDocument()->GetObjects().GetHead(); o; o = o->GetNext())
            if (o->IsSelected(nullptr))
                chosen.push_back(o);
        return chosen;
    }
    std::vector<FORMOBJ*> FillingOrder(FDOCUMENT& form)
    {
        std::vector<FORMOBJ*> order;
        for (int i = 0; i < form.GetTabOrderCount(); ++i)
            order.push_back(form.GetTabOrder().GetAt(i));
        return order;
    }

    FORMOBJ* box;
    FFIELD* field;
};

TEST_F(DesignerClipboardTest, SixPastesLandFurtherDownAndRightThenStartAgain)
{
    box->Select(&view);
    view.GetClipboard().OnEditCopy();
    // The visible part of the unscrolled page starts at the margins.
    const int32_t steps[] = {0, 180, 360, 540, 720, 0};
    for (int32_t step : steps) {
        const std::vector<FORMOBJ*> pasted = PasteSelects(view);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(RectOf(pasted[0]), (RECT {720 + step, 720 + step, 2160 + step, 2160 + step})) << step;
    }
    EXPECT_EQ(Objects().size(), 8u);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerClipboardTest, APasteIntoAViewScrolledToTheLowerRightLandsAtTheVisibleCornerWithinTheMargins)
{
    host.resize(300, 200);
    QCoreApplication::processEvents();
    view.ScrollHorz(SB_BOTTOM, 0, nullptr);
    view.ScrollVert(SB_BOTTOM, 0, nullptr);
    RECT visible = view.GetClientRect();
    view.ToLogicalRect(visible);
    ASSERT_GT(visible.left, 720);
    ASSERT_GT(visible.top, 720);

    // A4 with half-inch margins: the margins end at 11186 and 16118.
    struct Case {
        const char* what;
        RECT copied;
    };
    const Case cases[]
        = {{"small enough to fit", {1440, 1440, 1728, 1728}}, {"pushed back inside", {0, 0, 5000, 4000}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FORM_EDITOR::ResetPasteOffset();
        FORMOBJ* copied = Add(kTypeBox, c.copied);
        view.GetSelection()->Deselect(&view);
        copied->Select(&view);
        view.GetClipboard().OnEditCopy();
        const std::vector<FORMOBJ*> pasted = PasteSelects(view);
        ASSERT_EQ(pasted.size(), 1u);
        const RECT r = RectOf(pasted[0]);
        const int32_t w = c.copied.Width();
        const int32_t h = c.copied.Height();
        EXPECT_EQ(r.left, std::min(visible.left, 11186 - w));
        EXPECT_EQ(r.top, std::min(visible.top, 16118 - h));
        EXPECT_LE(r.right, 11186);
        EXPECT_LE(r.bottom, 16118);
    }
}

TEST_F(DesignerClipboardTest, ASelectionLargerThanThePageIsRefusedAndTheFormStaysUnchanged)
{
    FORMOBJ* wide = Add(kTypeBox, {0, 0, 12500, 1000});
    wide->Select(&view);
    ExpectCopyPastedRefusedAsTooLarge();
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {wide});
}

// Objects far apart, as a paste from another process may bring them: their
// extent is wider than 32 bits hold, and it too is too large for the page.
TEST_F(DesignerClipboardTest, ASelectionWiderThanThirtyTwoBitsHoldIsRefusedToo)
{
    FORMOBJ* left = Add(kTypeBox, {-2000000000, 0, -1999999000, 1000});
    FORMOBJ* right = Add(kTypeBox, {2000000000, 0, 2000001000, 1000});
    left->Select(&view);
    right->Select(&view);
    ExpectCopyPastedRefusedAsTooLarge();
}

TEST_F(DesignerClipboardTest, PasteIsOfferedOnlyWhenTheClipboardHoldsObjects)
{
    struct Case {
        const char* what;
        std::function<void()> fill;
        bool enabled;
    };
    const Case cases[] = {
        {"empty", [] { QGuiApplication::clipboard()->clear(); }, false},
        {"text only", [] { QGuiApplication::clipboard()->setText("plain"); }, false},
        {"typefaces alone",
            [] {
                ui::DataSource source;
                source.SetData(kFormatTypefaces, "\x28\xFF");
                ui::SetClipboard(source);
            },
            false},
        {"copied objects",
            [this] {
                box->Select(&view);
                view.GetClipboard().OnEditCopy();
            },
            true},
    };
    for (const Case& c : cases) {
        c.fill();
        EXPECT_EQ(Enabled(ID_EDIT_PASTE), c.enabled) << c.what;
    }
    // Linking comes with embedding.
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_LINK));
}

TEST_F(DesignerClipboardTest, CopiesWithinTheFormLookTheSameAndTheirFieldsGetNewNamesAndIds)
{
    box->Select(&view);
    field->Select(&view);
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_COPY));
    const std::vector<FORMOBJ*> pasted = PasteSelects(view);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(pasted[0]->GetType(), kTypeBox);
    auto* copy = dynamic_cast<FFIELD*>(pasted[1]);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(RectOf(pasted[1]).Width(), RectOf(field).Width());
    EXPECT_EQ(RectOf(pasted[1]).Height(), RectOf(field).Height());
    // The pair keeps its arrangement.
    EXPECT_EQ(RectOf(pasted[1]).top - RectOf(pasted[0]).top, RectOf(field).top - RectOf(box).top);
    EXPECT_NE(copy->GetName(), field->GetName());
    EXPECT_NE(copy->GetFieldID(), field->GetFieldID());
    // The copy lands above the original and fills in before it.
    EXPECT_EQ(FillingOrder(*doc), (std::vector<FORMOBJ*> {copy, field}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 2);
}

TEST_F(DesignerClipboardTest, CutThenPasteKeepsTheFieldsNameAndId)
{
    const std::string name = field->GetName();
    const uint16_t id = field->GetFieldID();
    field->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_CUT));
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {box});
    EXPECT_EQ(doc->GetTabOrderCount(), 0);
    EXPECT_FALSE(view.GetEditor()->CanUndoDeletion()) << "Cut clears the undo list";
    const std::vector<FORMOBJ*> pasted = PasteSelects(view);
    ASSERT_EQ(pasted.size(), 1u);
    auto* back = dynamic_cast<FFIELD*>(pasted[0]);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetName(), name);
    EXPECT_EQ(back->GetFieldID(), id);
    EXPECT_EQ(FillingOrder(*doc), std::vector<FORMOBJ*> {back});
}

TEST_F(DesignerClipboardTest, CutWithAClipboardThatRefusesTheDataKeepsEveryObject)
{
    // An earlier copy is still on the clipboard.
    box->Select(&view);
    view.GetClipboard().OnEditCopy();
    ui::SetClipboardHook([](const ui::DataSource&) { return false; });
    field->Select(&view);
    view.GetClipboard().OnEditCut();
    ui::SetClipboardHook({});
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(doc->GetTabOrderCount(), 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerClipboardTest, IntoAnotherFormFieldsGetNewIdsAndStylesAreDropped)
{
    auto style = doc->GetObjects().CreateObject(kTypeBox);
    FORMOBJ* heading = style.get();
    doc->GetStyles().AddTail(std::move(style));
    box->SetMaster(heading);
    box->Select(&view);
    field->Select(&view);
    view.GetClipboard().OnEditCopy();

    SecondForm second;
    // The second form has used ids of its own.
    for (int i = 0; i < 5; ++i)
        second.doc->GetNextFieldID();
    const std::vector<FORMOBJ*> pasted = PasteSelects(second.view);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(pasted[0]->GetMaster(), nullptr);
    auto* copy = dynamic_cast<FFIELD*>(pasted[1]);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetFieldID(), 6);
    EXPECT_EQ(copy->GetName(), field->GetName()) << "a name the form does not use stays";
    EXPECT_EQ(FillingOrder(*second.doc), std::vector<FORMOBJ*> {copy});
    EXPECT_EQ(Objects().size(), 2u) << "the source form is left as it was";
}

TEST_F(DesignerClipboardTest, ALoneRadioButtonPastesAsACheckBoxAndAWholeGroupStaysRadio)
{
    std::vector<FFIELD*> boxes = {DrawCheckBox(5040), DrawCheckBox(5760), DrawCheckBox(6480)};
    view.GetSelection()->Deselect(&view);
    for (FFIELD* b : boxes)
        b->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_DRAW_GROUP_RADIO));
    auto* group = dynamic_cast<FGROUP*>(view.GetSelection()->GetFirstSelected());
    ASSERT_NE(group, nullptr);
    auto selectMember = [&] {
        view.GetSelection()->Deselect(&view);
        const RECT r = RectOf(boxes[1]);
        Click(At((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        ASSERT_TRUE(view.ExecuteCommand(ID_SELECT_GROUP_MEMBER));
        ASSERT_EQ(view.GetSelection()->GetFirstSelected(), boxes[1]);
    };

    struct Case {
        const char* what;
        bool lone;
        bool intoSecondForm;
    };
    const Case cases[] = {
        {"one radio button into the same form", true, false},
        {"one radio button into another form", true, true},
        {"the whole radio group into another form", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.lone)
            selectMember();
        else {
            view.GetSelection()->Deselect(&view);
            group->Select(&view);
        }
        ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_COPY));
        SecondForm second;
        const std::vector<FORMOBJ*> pasted = PasteSelects(c.intoSecondForm ? second.view : view);
        ASSERT_EQ(pasted.size(), 1u);
        if (c.lone) {
            auto* copy = dynamic_cast<FFIELD*>(pasted[0]);
            ASSERT_NE(copy, nullptr);
            EXPECT_TRUE(copy->IsCheckBox());
            EXPECT_FALSE(copy->IsRadioButton()) << "an ordinary check box";
            EXPECT_EQ(copy->GetRadioGroup(), nullptr);
        } else {
            auto* copy = dynamic_cast<FGROUP*>(pasted[0]);
            ASSERT_NE(copy, nullptr);
            int members = 0;
            for (FORMOBJ* o = copy->GetMembers().GetHead(); o; o = o->GetNext(), ++members) {
                auto* button = dynamic_cast<FFIELD*>(o);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->GetRadioGroup(), &copy->GetMembers()) << "a radio button of the pasted group";
            }
            EXPECT_EQ(members, 3);
        }
        // The originals stay radio buttons of their own group.
        for (FFIELD* b : boxes)
            EXPECT_EQ(b->GetRadioGroup(), &group->GetMembers());
        if (!c.intoSecondForm) {
            view.DeleteSelection(false);
            ASSERT_EQ(Objects().size(), 3u) << "the box, the field and the radio group";
        }
    }
}

// The typefaces block as another program's table would write it.
std::string TypefacesBlock(const std::vector<std::string>& faces)
{
    FONT_TABLE table;
    table.RemoveAll();
    for (const std::string& face : faces)
        table.FindOrAdd(FONTFACE(face, 0x22, 0));
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store, 512);
        RECORDARCHIVE rec(ar);
        table.Write(rec, kFontTableGroup);
        ar.Flush();
        ar.Close();
    }
    return std::string(file.Data().begin(), file.Data().end());
}

TEST_F(DesignerClipboardTest, PastedTypefacesTheProgramLacksAreAddedAndTheCodesMapped)
{
    field->Select(&view);
    view.GetClipboard().OnEditCopy();
    const ui::DataObject copied = ui::DataObject::FromClipboard();
    ui::DataSource crafted;
    crafted.SetData(kFormatTypefaces, TypefacesBlock({"Quirewell Pasted Face", "Another Face"}));
    crafted.SetData(kFormatSelection, *copied.GetData(kFormatSelection));
    ASSERT_TRUE(ui::SetClipboard(crafted));
    TEXTATTR before;
    field->GetFont(&before);
    ASSERT_EQ(before.face, 0) << "the field uses the first face of the table";

    SecondForm second;
    const std::vector<FORMOBJ*> pasted = PasteSelects(second.view);
    ASSERT_EQ(pasted.size(), 1u);
    TEXTATTR after;
    pasted[0]->GetFont(&after);
    EXPECT_EQ(GetFaceName(after.face), "Quirewell Pasted Face");
}

TEST_F(DesignerClipboardTest, DamagedClipboardDataPastesNothingAndChangesNothing)
{
    box->Select(&view);
    field->Select(&view);
    view.GetClipboard().OnEditCopy();
    const ui::DataObject copied = ui::DataObject::FromClipboard();
    const std::string typefaces = *copied.GetData(kFormatTypefaces);
    const std::string objects = *copied.GetData(kFormatSelection);
    view.GetSelection()->Deselect(&view);
    doc->SetModified(false);

    struct Case {
        const char* what;
        std::string typefaces;
        std::string objects;
    };
    const Case cases[] = {
        {"objects cut short", typefaces, objects.substr(0, objects.size() / 2)},
        {"objects without their ends", typefaces, objects.substr(0, objects.size() - 2)},
        {"not a selection", typefaces, "\x13" + objects.substr(1)},
        {"typefaces cut short", typefaces.substr(0, 3), objects},
        {"typefaces of another tag", "\x29" + typefaces.substr(1), objects},
        {"no typefaces", "", objects},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::DataSource damaged;
        if (!c.typefaces.empty())
            damaged.SetData(kFormatTypefaces, c.typefaces);
        damaged.SetData(kFormatSelection, c.objects);
        ASSERT_TRUE(ui::SetClipboard(damaged));
        const uint16_t nextId = doc->GetNextFieldID();
        view.GetClipboard().OnEditPaste();
        EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field}));
        EXPECT_EQ(FillingOrder(*doc), std::vector<FORMOBJ*> {field});
        EXPECT_FALSE(doc->IsModified());
        EXPECT_EQ(doc->GetNextFieldID(), nextId + 1) << "no id was taken";
    }
}

} // namespace

namespace {

std::string FromHex(std::string_view hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 3)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

TEST_F(DesignerClipboardTest, TheCopiedBlocksOfOneBoxHoldTheirRecordsByteForByte)
{
    box->Select(&view);
    view.GetClipboard().OnEditCopy();
    const ui::DataObject copied = ui::DataObject::FromClipboard();

    // The selection: group 0x22, its record 0x81 with the form's stamp, the
    // object list 0x29 holding the box, and the two ends.
    const uint32_t stamp = doc->GetCreationStamp();
    std::string selection = FromHex("22 81 04 00 ");
    for (int shift = 0; shift < 32; shift += 8)
        selection += static_cast<char>((stamp >> shift) & 0xFF);
    selection += FromHex("29 13 01 81 12 00 01 00 A0 05 00 00 A0 05 00 00 40 0B 00 00 40 0B 00 00 82 03 00 01 00 00 84 "
                         "02 00 00 00 FF 03 81 09 00 01 14 00 01 00 00 00 00 00 82 04 00 01 00 00 00 FF 02 82 0C 00 00 "
                         "00 00 00 FF FF FF 00 00 00 00 00 FF 05 81 08 00 00 00 00 00 00 00 00 00 FF FF FF FF ");
    EXPECT_EQ(copied.GetData(kFormatSelection), selection);

    // The typefaces: group 0x28 with the program's table, one 0x81 record a
    // face: 32 bytes of name, a NUL, pitch and family, character set.
    auto face = [](std::string name, std::string_view tail) {
        name.resize(33, '\0');
        return FromHex("81 23 00 ") + name + FromHex(tail);
    };
    const std::string typefaces = FromHex("28 ") + face("Times New Roman", "17 00 ") + face("Arial", "27 00 ")
        + face("Courier New", "36 00 ") + FromHex("FF ");
    EXPECT_EQ(copied.GetData(kFormatTypefaces), typefaces);
}

} // namespace
