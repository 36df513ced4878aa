// The Data Properties command in the design view, driven through the
// dialog and message-box hooks: a text field made a number with custom
// masks, a rule, help, list values, an initial value and a new name, and
// the field's records after OK; Cancel and an unchanged OK; names refused
// and accepted; the kinds' slots; the pages' keys and checks; "Appearance
// >>"; pictures of every page.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/object_bytes.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/data/data_props_sheet.h"
#include "forms/dialogs/data/field_num_fmt_page.h"
#include "forms/dialogs/data/field_type.h"
#include "forms/dialogs/data/field_valid.h"
#include "forms/dialogs/data/valuespp.h"
#include "forms/edit/undo_list.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/model/border.h"
#include "forms/model/record_archive.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/res/missing_handler.h"
#include "platform/ui/app.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QTabBar>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr int kNameEdit = 1222;
constexpr int kTextButton = 1235;
constexpr int kMemoButton = 1068;
constexpr int kNumButton = 1236;
constexpr int kDateButton = 1070;
constexpr int kPicButton = 1067;
constexpr int kBarCodeButton = 1069;
constexpr int kCheckButton = 1071;
constexpr int kActAsList = 1310;
constexpr int kGeneral = 0, kValidation = 1, kHelp = 2, kValues = 3, kFormat = 4;

void SavePicture(ui::Dialog& sheet, const std::string& name)
{
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(sheet.GetWindow()->grab().toImage().save(QString::fromStdString((dir / name).string())));
}

class DesignerDataTest : public DesignerTest {
protected:
    DesignerDataTest()
    {
        total = AddField({1440, 1440, 4320, 1728});
        total->SetName("Total");
        field = AddField({1440, 3600, 4320, 3888});
        field->SetName("Field_1");
        box = Add(kTypeBox, {5000, 5000, 6000, 6000});
    }

    FFIELD* AddField(RECT r)
    {
        auto* f = dynamic_cast<FFIELD*>(Add(kTypeField, r));
        f->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
        doc->InsertFieldInOrder(f, false);
        return f;
    }

    // Selects the field and runs Data Properties; the drive works the sheet
    // (and must end it). Messages are kept and answered OK.
    void RunSheet(FORMOBJ* object, const std::function<void(DATA_PROPS_SHEET&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        object->Select(&view);
        ASSERT_TRUE(Enabled(ID_EDIT_DATA_PROPERTIES));
        bool ran = false;
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            if (auto* sheet = dynamic_cast<DATA_PROPS_SHEET*>(&running)) {
                ran = true;
                caption = sheet->Definition().caption;
                drive(*sheet);
                if (sheet->IsRunning())
                    sheet->EndDialog(2);
            } else {
                others.push_back(running.GetId());
                if (dynamic_cast<OBJAPPDLG*>(&running))
                    sawAppearance = true;
                running.EndDialog(2);
            }
        });
        ui::ScopedMessageBoxHook messagesHook([&](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
        view.ExecuteCommand(ID_EDIT_DATA_PROPERTIES);
        EXPECT_TRUE(ran);
        object->Deselect(&view);
    }

    static void Click(ui::Dialog& page, int id) { SendClick(page.GetDlgItem(id)); }
    static void Ok(DATA_PROPS_SHEET& sheet) { SendClick(sheet.GetDlgItem(1)); }
    static ui::PropertyPage& Page(DATA_PROPS_SHEET& sheet, int index)
    {
        EXPECT_TRUE(sheet.SetActivePage(index)) << index;
        return *sheet.GetActivePage();
    }
    static void Select(ui::Dialog& page, int id, int index, unsigned code)
    {
        page.SetCurSel(id, index);
        page.SendCommand(id, code);
    }
    // Types the entries of the Values page's list through Add and Enter.
    static void AddValues(ui::Dialog& values, const std::vector<std::string>& entries)
    {
        Click(values, 1308);
        for (const std::string& entry : entries) {
            values.SetDlgItemText(1061, entry);
            SendKey(Qt::Key_Return, {}, values.GetDlgItem(1061));
        }
        Click(values, 1308);
    }

    FFIELD* total = nullptr;
    FFIELD* field = nullptr;
    FORMOBJ* box = nullptr;
    std::string caption;
    std::vector<std::string> messages;
    std::vector<unsigned> others;
    bool sawAppearance = false;
};

TEST_F(DesignerDataTest, ATextFieldBecomesANumberWithEverythingSetAndKeepsItThroughItsRecords)
{
    doc->SetModified(false);
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        SavePicture(sheet, "data_general.png");
        ui::PropertyPage& general = Page(sheet, kGeneral);
        EXPECT_FALSE(general.GetDlgItem(kBarCodeButton)->isEnabled());
        EXPECT_FALSE(general.GetDlgItem(kPicButton)->isEnabled());
        general.SetDlgItemText(kNameEdit, "Amount");
        Click(general, kNumButton);
        Click(general, kActAsList);
        ASSERT_EQ(sheet.GetPageCount(), 5);
        EXPECT_EQ(sheet.GetPage(kFormat), &static_cast<ui::PropertyPage&>(sheet.NumberPage()));

        ui::PropertyPage& format = Page(sheet, kFormat);
        SavePicture(sheet, "data_number.png");
        Select(format, 1250, kCategoryCustom, ui::LBN_SELCHANGE);
        EXPECT_TRUE(format.GetDlgItem(1259)->isVisible());
        EXPECT_FALSE(format.GetDlgItem(1239)->isVisible());
        EXPECT_LT(format.GetItemRect(1259).left, format.GetItemRect(1239).right + 40)
            << "the custom masks moved to where the simple controls stood";
        format.SetDlgItemText(1259, "#0.0");
        format.SetDlgItemText(1260, "\"(\"#0.0\")\"");
        format.SetDlgItemText(1261, "\"nil\"");
        SavePicture(sheet, "data_custom.png");

        ui::PropertyPage& rule = Page(sheet, kValidation);
        Select(rule, 1345, 1, ui::CBN_SELCHANGE);
        rule.SetDlgItemText(1343, "1");
        rule.SetDlgItemText(1344, "10");
        SavePicture(sheet, "data_validation.png");

        ui::PropertyPage& help = Page(sheet, kHelp);
        help.SetDlgItemText(1334, "Type an amount");
        SavePicture(sheet, "data_help.png");

        ui::PropertyPage& values = Page(sheet, kValues);
        Click(values, 1308);
        SavePicture(sheet, "data_values_adding.png");
        for (const char* entry : {"1", "2", "3", "4"}) {
            values.SetDlgItemText(1061, entry);
            SendKey(Qt::Key_Return, {}, values.GetDlgItem(1061));
        }
        Click(values, 1308);
        values.SetDlgItemText(1375, "5");
        Ok(sheet);
    });
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(caption, "Field data properties - Field_1");
    EXPECT_EQ(field->GetName(), "Amount");
    auto* number = dynamic_cast<NUMBERDATATYPE*>(field->GetDataType());
    ASSERT_TRUE(number);
    EXPECT_EQ(number->pPositive->strMask, "#0.0");
    EXPECT_EQ(number->pNegative->strMask, "\"(\"#0.0\")\"");
    ASSERT_TRUE(number->pZero);
    EXPECT_EQ(number->pZero->strMask, "\"nil\"");
    EXPECT_EQ(number->GetRuleOperator(), 306);
    std::string initial;
    number->GetInitialValue(initial, 0);
    EXPECT_EQ(initial, "5");
    std::string help;
    field->GetAttribute(3, reinterpret_cast<uintptr_t>(&help));
    EXPECT_EQ(help, "Type an amount");
    auto* list = dynamic_cast<LISTBOXVALUES*>(field->GetValueList());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->nCount, 4);
    EXPECT_EQ(list->pValues[3], "4");
    EXPECT_TRUE(doc->IsModified());

    // The records as written, and once more after reading them back.
    // Groups 6 (data type) and 7 (values), then the field's records 0x81
    // to 0x87 (switches, list height, help, mandatory, protect, database).
    const std::vector<uint8_t> bytes = Written(field);
    // The list's height (record 0x83) follows the font's metrics: masked.
    std::string all = Hex(bytes);
    const size_t height = all.find("82 02 00 02 00 83 04 00 ");
    ASSERT_NE(height, std::string::npos);
    all.replace(height + 24, 5, "?? ??");
    const size_t data = all.find("FF 06 01 ");
    ASSERT_NE(data, std::string::npos);
    EXPECT_EQ(all.substr(data + 3),
        "06 01 03 81 0E 00 00 00 00 00 FF FF FF FF 04 00 23 30 2E 30 FF "
        "04 81 14 00 00 00 00 00 FF FF FF FF 0A 00 22 28 22 23 30 2E 30 22 29 22 FF "
        "05 81 0F 00 00 00 00 00 FF FF FF FF 05 00 22 6E 69 6C 22 FF "
        "84 15 00 00 00 00 00 00 00 F0 3F 00 00 00 00 00 00 24 40 00 32 01 FF FF "
        "83 09 00 00 00 00 00 00 00 14 40 00 FF FF "
        "07 41 81 04 00 00 00 04 00 01 82 03 00 01 00 31 82 03 00 01 00 32 82 03 00 01 00 33 82 03 00 01 00 34 "
        "FF FF FF "
        "81 04 00 00 00 01 00 82 02 00 02 00 83 04 00 ?? ?? 00 00 "
        "84 10 00 0E 00 54 79 70 65 20 61 6E 20 61 6D 6F 75 6E 74 85 01 00 00 86 02 00 FF FF 87 03 00 00 00 01 FF");
    auto again = doc->GetObjects().CreateObject(kTypeField);
    {
        io::MemoryFile file(bytes);
        io::Archive ar(file, io::Archive::Load);
        RECORDARCHIVE rec(ar);
        rec.ReadTag();
        again->Load(rec, 0);
    }
    EXPECT_EQ(Hex(Written(again.get())), Hex(bytes));
}

TEST_F(DesignerDataTest, CancelAndAnUnchangedOkKeepTheFieldAndTheUndoList)
{
    const std::string before = Hex(Written(field));
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kDateButton);
        sheet.GetActivePage()->SetDlgItemText(kNameEdit, "Other");
        SendClick(sheet.GetDlgItem(2));
    });
    EXPECT_EQ(Hex(Written(field)), before);

    // A deletion stays undoable through an OK that changed nothing.
    box->Select(&view);
    ui::ScopedMessageBoxHook ask([](const ui::MessageBoxRequest&) { return ui::IDOK; });
    view.DeleteSelection(true);
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) { Ok(sheet); });
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(Hex(Written(field)), before);
    // A new name clears it.
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Page(sheet, kGeneral).SetDlgItemText(kNameEdit, "Renamed");
        Ok(sheet);
    });
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(DesignerDataTest, NamesAreRefusedWithTheirMessagesAndTheFieldsOwnNameIsAccepted)
{
    const std::pair<const char*, const char*> refused[] = {{"", "A name for this object must be entered."},
        {"1abc",
            "Object name must be composed of letters, numbers and underscores. First character must be a "
            "letter."},
        {"Field_9", "Names of default type may not be manually entered."},
        {"total", "Name for field already exists. Please change it."}};
    for (const auto& [name, message] : refused) {
        messages.clear();
        RunSheet(field, [&, name = name](DATA_PROPS_SHEET& sheet) {
            Page(sheet, kGeneral).SetDlgItemText(kNameEdit, name);
            Ok(sheet);
            EXPECT_TRUE(sheet.IsRunning()) << name;
            EXPECT_EQ(sheet.GetActiveIndex(), kGeneral);
        });
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0], message);
        EXPECT_EQ(field->GetName(), "Field_1");
    }
    messages.clear();
    RunSheet(total, [&](DATA_PROPS_SHEET& sheet) {
        Page(sheet, kGeneral).SetDlgItemText(kNameEdit, "TOTAL");
        Ok(sheet);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(total->GetName(), "Total");
}

TEST_F(DesignerDataTest, KindsKeepTheirSlotsAndTextNeverBringsBackAMemo)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& general = Page(sheet, kGeneral);
        Click(general, kMemoButton);
        EXPECT_EQ(sheet.GetDataType()->GetTypeTag(), kKindMemo);
        ui::PropertyPage& rule = Page(sheet, kValidation);
        Select(rule, 1345, 0, ui::CBN_SELCHANGE);
        rule.SetDlgItemText(1343, "abc");
        Page(sheet, kGeneral);
        Click(general, kNumButton);
        ASSERT_EQ(sheet.GetDataType()->GetTypeTag(), kKindNumber);
        Click(general, kTextButton);
        EXPECT_EQ(sheet.GetDataType()->GetTypeTag(), kKindText);
        EXPECT_EQ(sheet.GetDataType()->GetRuleOperator(), 299) << "the memo's rule came along";
        // Num settings survive a trip to Date.
        Click(general, kNumButton);
        static_cast<NUMBERDATATYPE*>(sheet.GetDataType())->bAutoIncrement = 1;
        Click(general, kDateButton);
        EXPECT_EQ(sheet.GetDataType()->GetTypeTag(), kKindDate);
        Click(general, kNumButton);
        EXPECT_EQ(static_cast<NUMBERDATATYPE*>(sheet.GetDataType())->bAutoIncrement, 1);
        Click(general, kCheckButton);
        EXPECT_FALSE(general.GetDlgItem(1313)->isEnabled()) << "a check box is never mandatory";
        EXPECT_FALSE(general.GetDlgItem(kActAsList)->isEnabled());
        SavePicture(sheet, "data_general_checkbox.png");
        Page(sheet, kFormat);
        SavePicture(sheet, "data_checkbox_format.png");
        Click(general, kDateButton);
        Page(sheet, kFormat);
        SavePicture(sheet, "data_date.png");
        Click(general, kTextButton);
        Page(sheet, kFormat);
        SavePicture(sheet, "data_text.png");
        sheet.EndDialog(2);
    });
}

TEST_F(DesignerDataTest, ProtectAndMandatoryAreNeverBothSet)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& general = Page(sheet, kGeneral);
        Click(general, 1313);
        Click(general, 1371);
        EXPECT_TRUE(general.IsDlgButtonChecked(1371));
        EXPECT_FALSE(general.IsDlgButtonChecked(1313));
        Click(general, 1313);
        EXPECT_FALSE(general.IsDlgButtonChecked(1371));
        Ok(sheet);
    });
    std::string unused;
    uint8_t mandatory = 0, protect = 1;
    field->GetAttribute(5, reinterpret_cast<uintptr_t>(&mandatory));
    field->GetAttribute(6, reinterpret_cast<uintptr_t>(&protect));
    EXPECT_EQ(mandatory, 1);
    EXPECT_EQ(protect, 0);
}

TEST_F(DesignerDataTest, AppearanceButtonWaitsForGoodEntriesThenEndsWithOk)
{
    ui::App app; // runs the posted command
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kNumButton);
        ui::PropertyPage& format = Page(sheet, kFormat);
        Select(format, 1250, kCategoryCustom, ui::LBN_SELCHANGE);
        format.SetDlgItemText(1260, "0.0.0");
        SendClick(sheet.GetDlgItem(ui::ID_HELP));
        EXPECT_TRUE(sheet.IsRunning());
        EXPECT_EQ(QApplication::focusWidget(), format.GetDlgItem(1260));
        format.SetDlgItemText(1260, "-0.0");
        EXPECT_EQ(sheet.GetItemRect(ui::ID_HELP).Width() > sheet.GetItemRect(2).Width(), true);
        SendClick(sheet.GetDlgItem(ui::ID_HELP));
        EXPECT_FALSE(sheet.IsRunning());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Only one decimal place is allowed within a mask.");
    EXPECT_EQ(field->GetDataType()->GetTypeTag(), kKindNumber);
    // The posted Appearance command opens the appearance sheet next.
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) {
        sawAppearance = dynamic_cast<OBJAPPDLG*>(&running) != nullptr;
        running.EndDialog(2);
    });
    field->Select(&view);
    QApplication::processEvents();
    EXPECT_TRUE(sawAppearance);
}

TEST_F(DesignerDataTest, AListFieldLosesItsRoundingAndAStyledFieldKeepsItsNumber)
{
    BORDER rounded;
    field->GetBorder(&rounded);
    rounded.roundedFlag = 1;
    rounded.SetDerived(200);
    field->SetBorder(rounded);
    BORDER before;
    field->GetBorder(&before);
    ASSERT_NE(before.rounding, 0);
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kActAsList);
        AddValues(Page(sheet, kValues), {"a", "b"});
        Ok(sheet);
    });
    BORDER after;
    field->GetBorder(&after);
    EXPECT_EQ(after.rounding, 0);

    // A number field given a master (a text style) opens and closes with
    // its own number.
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kNumButton);
        Ok(sheet);
    });
    ASSERT_EQ(field->GetDataType()->GetTypeTag(), kKindNumber);
    field->SetMaster(total);
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        EXPECT_EQ(sheet.GetDataType()->GetTypeTag(), kKindNumber);
        Ok(sheet);
    });
    EXPECT_EQ(field->GetDataType()->GetTypeTag(), kKindNumber);
    EXPECT_EQ(total->GetDataType()->GetTypeTag(), kKindText);
    field->SetMaster(nullptr);
}

TEST_F(DesignerDataTest, ARuleTheListCannotShowSurvivesAVisitToTheValidationPage)
{
    std::string message;
    for (uint16_t op : {304, 305}) {
        ASSERT_TRUE(field->GetDataType()->SetRule(op, 0, "abc", "", message)) << op;
        RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
            ui::PropertyPage& rule = Page(sheet, kValidation);
            EXPECT_EQ(sheet.GetDataType()->GetRuleOperator(), op);
            EXPECT_EQ(rule.GetCurSel(1345), -1) << "no entry stands for it";
            Page(sheet, kGeneral);
            Ok(sheet);
        });
        EXPECT_EQ(field->GetDataType()->GetRuleOperator(), op);
    }
    // Touching the operator does change it.
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& rule = Page(sheet, kValidation);
        Click(rule, 1065);
        Ok(sheet);
    });
    EXPECT_EQ(field->GetDataType()->GetRuleOperator(), 0);
}

TEST_F(DesignerDataTest, ValidationRefusesBadDecimalPlacesAndLongHelp)
{
    const std::pair<const char*, const char*> refused[] = {{"21", "Must have 20 or less decimal places"},
        {"99999999999", "Must have 20 or less decimal places"}, {"-1", "Decimal places needs to be a positive number"}};
    for (const auto& [text, expected] : refused) {
        messages.clear();
        RunSheet(field, [&, text = text](DATA_PROPS_SHEET& sheet) {
            Click(Page(sheet, kGeneral), kNumButton);
            ui::PropertyPage& rule = Page(sheet, kValidation);
            rule.SetDlgItemText(1370, text);
            Ok(sheet);
            EXPECT_TRUE(sheet.IsRunning());
        });
        ASSERT_EQ(messages.size(), 1u) << text;
        EXPECT_EQ(messages[0], expected);
    }
    messages.clear();
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& help = Page(sheet, kHelp);
        help.SetDlgItemText(1334, std::string(351, 'h'));
        Ok(sheet);
        EXPECT_TRUE(sheet.IsRunning());
        help.SetDlgItemText(1334, std::string(350, 'h'));
        Ok(sheet);
        EXPECT_FALSE(sheet.IsRunning());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter no more than 350 characters.");
}

TEST_F(DesignerDataTest, TheHelpTextTakesSeveralLinesAndEnterMakesANewOne)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& help = Page(sheet, kHelp);
        QWidget* edit = help.GetDlgItem(1334);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        TypeText("First", edit);
        SendKey(Qt::Key_Return, "\r", edit);
        TypeText("Second", edit);
        EXPECT_TRUE(sheet.IsRunning()) << "Enter stays in the edit";
        EXPECT_EQ(help.GetDlgItemText(1334), "First\r\nSecond");
        Ok(sheet);
    });
    EXPECT_TRUE(messages.empty());
    std::string text;
    field->GetAttribute(3, reinterpret_cast<uintptr_t>(&text));
    EXPECT_EQ(text, "First\r\nSecond");

    // Shown again, the text keeps its two lines.
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        EXPECT_EQ(Page(sheet, kHelp).GetDlgItemText(1334), "First\r\nSecond");
        Ok(sheet);
    });
}

TEST_F(DesignerDataTest, NumberCategoriesRebuildTheMasksAndDecimalsComeBackAsZero)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kNumButton);
        ui::PropertyPage& format = Page(sheet, kFormat);
        auto* number = sheet.NumberPage().GetNumberType();
        ASSERT_TRUE(number);
        EXPECT_EQ(format.GetCurSel(1250), kCategoryNumber);
        Select(format, 1239, 1, ui::LBN_SELCHANGE);
        EXPECT_EQ(number->pNegative->strMask, "0.00");
        EXPECT_EQ(number->pNegative->crColour, kNegativeRed);
        Select(format, 1250, kCategoryAccounting, ui::LBN_SELCHANGE);
        EXPECT_FALSE(format.GetDlgItem(1239)->isVisible());
        EXPECT_EQ(number->pPositive->bThousands, 1);
        ASSERT_TRUE(number->pZero);
        EXPECT_EQ(number->pNegative->strMask, "-$* 0.00_-");
        Select(format, 1250, kCategoryCurrency, ui::LBN_SELCHANGE);
        EXPECT_TRUE(format.GetDlgItem(1239)->isVisible());
        format.SetDlgItemText(1249, "");
        EXPECT_EQ(format.GetDlgItemText(1249), "0");
        EXPECT_EQ(number->pPositive->strMask, "$0");
        SavePicture(sheet, "data_number_currency.png");
        Ok(sheet);
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Decimal places to be in the range 0 to 9");
    // Style 1 chosen before: no sign, red.
    auto* kept = static_cast<NUMBERDATATYPE*>(field->GetDataType());
    EXPECT_EQ(kept->pNegative->strMask, "$0");
    EXPECT_EQ(kept->pNegative->crColour, kNegativeRed);
}

TEST_F(DesignerDataTest, TheValuesPageKeepsItsKeysAndChecksItsEntries)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        Click(Page(sheet, kGeneral), kActAsList);
        Click(*sheet.GetPage(kGeneral), kNumButton);
        ui::PropertyPage& values = Page(sheet, kValues);
        // Enter and Escape in idle mode leave the sheet open.
        SendKey(Qt::Key_Return, {}, values.GetDlgItem(1070));
        SendKey(Qt::Key_Escape, {}, values.GetDlgItem(1070));
        ASSERT_TRUE(sheet.IsRunning());
        // A letter is no number: refused, the entry stays open.
        Click(values, 1308);
        values.SetDlgItemText(1061, "abc");
        SendKey(Qt::Key_Return, {}, values.GetDlgItem(1061));
        EXPECT_EQ(sheet.Values().GetMode(), VALUESPP::kAdding);
        EXPECT_EQ(messages.size(), 1u);
        values.SetDlgItemText(1061, "7");
        SendKey(Qt::Key_Return, {}, values.GetDlgItem(1061));
        values.SetDlgItemText(1061, "8");
        SendKey(Qt::Key_Tab, {}, values.GetDlgItem(1061));
        EXPECT_EQ(sheet.Values().GetMode(), VALUESPP::kIdle) << "Tab ends adding";
        ASSERT_EQ(sheet.Values().GetList()->nCount, 2);
        // Edit with Tab: commits, then the next value is selected.
        values.SetCurSel(1070, 0);
        Click(values, 1067);
        values.SetDlgItemText(1061, "6");
        SendKey(Qt::Key_Tab, {}, values.GetDlgItem(1061));
        EXPECT_EQ(sheet.Values().GetList()->pValues[0], "6");
        EXPECT_EQ(values.GetCurSel(1070), 1);
        EXPECT_FALSE(values.GetDlgItem(1071)->isEnabled()) << "the last value cannot move down";
        // Insert with Tab: inserted before the selection, the next shown.
        values.SetCurSel(1070, 0);
        values.SendCommand(1070, ui::LBN_SELCHANGE);
        Click(values, 1309);
        EXPECT_EQ(sheet.Values().GetMode(), VALUESPP::kInserting);
        values.SetDlgItemText(1061, "5");
        SendKey(Qt::Key_Tab, {}, values.GetDlgItem(1061));
        ASSERT_EQ(sheet.Values().GetList()->nCount, 3);
        EXPECT_EQ(sheet.Values().GetList()->pValues[0], "5");
        EXPECT_EQ(values.GetCurSel(1070), 1);
        EXPECT_EQ(sheet.Values().GetMode(), VALUESPP::kIdle);
        // Escape while editing ends without keeping the text.
        Click(values, 1067);
        values.SetDlgItemText(1061, "9");
        SendKey(Qt::Key_Escape, {}, values.GetDlgItem(1061));
        EXPECT_TRUE(sheet.IsRunning());
        EXPECT_EQ(sheet.Values().GetList()->pValues[1], "6");
        EXPECT_TRUE(sheet.IsRunning());
        // Another kind makes the numbers' list wrong for dates: 599.
        Page(sheet, kGeneral);
        Click(*sheet.GetActivePage(), kCheckButton);
        Click(*sheet.GetActivePage(), kDateButton);
        Click(*sheet.GetActivePage(), kActAsList);
        Page(sheet, kValues);
        messages.clear();
        Page(sheet, kGeneral);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], "Not all the entries in the list box are of the correct type");
        sheet.EndDialog(2);
    });
}

TEST_F(DesignerDataTest, AnAutoIncrementedInitialValueShowsWhatWasTypedAndStoresItLessTheCounter)
{
    NUMBERDATATYPE number;
    number.InitialiseValue();
    field->SetDataType(number, &view);
    res::ScopedMissingHandler missing(res::ThrowMissing);
    DATA_PROPS_SHEET sheet("Field data properties - Field_1", &view, view.GetWindow());
    ASSERT_TRUE(sheet.InitFromField(field, 41));
    ui::ScopedDialogHook hook([&](ui::Dialog&) {
        ui::PropertyPage& values = Page(sheet, kValues);
        Click(values, 1374);
        values.SetDlgItemText(1375, "100");
        Page(sheet, kGeneral);
        ui::PropertyPage& again = Page(sheet, kValues);
        EXPECT_EQ(again.GetDlgItemText(1375), "100");
        SavePicture(sheet, "data_values.png");
        Ok(sheet);
    });
    ASSERT_EQ(sheet.DoModal(), 1);
    auto* edited = static_cast<NUMBERDATATYPE*>(sheet.GetDataType());
    ASSERT_TRUE(edited->pInitial);
    EXPECT_EQ(*edited->pInitial, 59.0);
    EXPECT_EQ(edited->bAutoIncrement, 1);
}

TEST_F(DesignerDataTest, FormatPagesOfCheckBoxesTextsMemosAndDates)
{
    RunSheet(field, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& general = Page(sheet, kGeneral);
        // A text's formatting check is disabled; a memo's shows its flag
        // and writes it at once.
        ui::PropertyPage& text = Page(sheet, kFormat);
        EXPECT_FALSE(text.GetDlgItem(1223)->isEnabled());
        Page(sheet, kGeneral);
        Click(general, kMemoButton);
        ui::PropertyPage& memo = Page(sheet, kFormat);
        EXPECT_TRUE(memo.GetDlgItem(1223)->isEnabled());
        EXPECT_TRUE(memo.IsDlgButtonChecked(1223));
        Click(memo, 1223);
        EXPECT_EQ(sheet.GetDataType()->KeepsFormatting(), 0);

        // A check box: style buttons and the text's side write at once;
        // the validation controls are disabled and leaving never fails.
        Page(sheet, kGeneral);
        Click(general, kCheckButton);
        ui::PropertyPage& check = Page(sheet, kFormat);
        Click(check, 1316);
        Click(check, 1318);
        auto* box = static_cast<CHECK_DATATYPE*>(sheet.GetDataType());
        EXPECT_EQ(box->nStyle, kCheckRound);
        EXPECT_EQ(box->nTextPos, 1u);
        Click(check, 1317);
        EXPECT_EQ(box->nTextPos, 0u);
        ui::PropertyPage& rule = Page(sheet, kValidation);
        EXPECT_FALSE(rule.GetDlgItem(1345)->isEnabled());
        EXPECT_TRUE(Page(sheet, kValues).GetDlgItem(1240)->isVisible());
        EXPECT_FALSE(sheet.GetActivePage()->GetDlgItem(1375)->isVisible());
        EXPECT_EQ(sheet.GetActiveIndex(), kValues);

        // A date whose picture is none of the list selects nothing and
        // keeps it; choosing one sets it at once.
        Page(sheet, kGeneral);
        Click(general, kDateButton);
        auto* date = static_cast<DATEDATATYPE*>(sheet.GetDataType());
        date->SetPicture("yyyy.mm.dd");
        ui::PropertyPage& dates = Page(sheet, kFormat);
        EXPECT_EQ(dates.GetCurSel(1266), -1);
        EXPECT_EQ(date->strPicture, "yyyy.mm.dd");
        EXPECT_EQ(dates.GetItemText(1266, 16), "Sunday , Sep , 01,1996");
        Select(dates, 1266, 14, ui::LBN_SELCHANGE);
        EXPECT_EQ(date->strPicture, "mm/dd/yyyy");
        Ok(sheet);
    });
    EXPECT_TRUE(messages.empty());
    auto* date = dynamic_cast<DATEDATATYPE*>(field->GetDataType());
    ASSERT_TRUE(date);
    EXPECT_EQ(date->strPicture, "mm/dd/yyyy");
}

TEST_F(DesignerDataTest, DataButtonOfTheAppearanceSheetOpensThisSheet)
{
    ui::App app; // runs the posted command
    res::ScopedMissingHandler missing(res::ThrowMissing);
    std::vector<std::string> shown;
    ui::ScopedDialogHook hook([&](ui::Dialog& running) {
        shown.push_back(running.Definition().caption);
        if (dynamic_cast<OBJAPPDLG*>(&running))
            SendClick(running.GetDlgItem(ui::ID_HELP));
        else
            running.EndDialog(2);
    });
    field->Select(&view);
    view.ExecuteCommand(ID_EDIT_APPEARANCE);
    QApplication::processEvents();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "Field data properties - Field_1");
}

} // namespace
