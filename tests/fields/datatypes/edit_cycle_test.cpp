// The edit cycle of field values with a real editor window over a test
// view: what the editor opens with, and what ending the edit takes, shows,
// stores and closes under each of its two flags.
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/format_code.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "tests/common/run_events.h"
#include "tests/fields/datatypes/edit_view.h"
#include "tests/model/font_test_support.h"

#include "platform/ui/message_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int16_t kSqlVarChar = 12;

std::string Code(char letter, int value)
{
    char code[kCodeLength];
    EncodeFormatCode(letter, static_cast<int16_t>(value), code);
    return std::string(code, kCodeLength);
}

const std::string kEsc(1, '\x1b');

std::string Named(uint8_t pitch, uint8_t marker, uint8_t charset, const std::string& name)
{
    return kEsc + "X" + std::string {char(pitch), char(marker), char(charset)} + name + kEsc;
}

class EditCycle : public ProgramFontsTest {
protected:
    EditCycle()
        : hook([this](const ui::MessageBoxRequest& r) {
            boxes.push_back(r.text);
            return ui::IDOK;
        })
    {
        field.SetPlace(1, {1000, 1000, 4000, 1400});
        view.window.resize(400, 300);
        view.window.show();
        view.window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view.window));
    }

    void Open(DATATYPE& type, uintptr_t handleValue = 0)
    {
        TEXTDRAWINFO info;
        info.mode = kTextOnWindow;
        const uint32_t back1 = 0xFFFFFF;
        const uint32_t back2 = 0xC0C0C0;
        type.CreateControl(info, {20, 30, 320, 60}, {0, 0, 4500, 450}, TEXTATTR {}, kTextAlignLeft, 0xFFFF, &back1,
            &back2, &view, &field, handleValue);
        RunEventsFor(0);
    }
    static TEXTEDITWND* Editor(DATATYPE& type)
    {
        TEXTEDITWND* wnd = nullptr;
        type.GetControl(wnd);
        return wnd;
    }
    // Presses a key on the editor's window, as the keyboard would.
    static void Press(TEXTEDITWND& wnd, int key, const QString& text = {})
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(wnd.GetWidget(), &e);
    }
    // Replaces the editor's whole text by typed characters.
    static void Type(DATATYPE& type, const std::string& text)
    {
        TEXTEDITWND* wnd = Editor(type);
        ASSERT_NE(wnd, nullptr);
        wnd->SelectAll();
        Press(*wnd, Qt::Key_Delete);
        for (char c : text)
            Press(*wnd, 0, QString(QChar(c)));
        ASSERT_EQ(wnd->GetText(), text);
    }
    static int End(DATATYPE& type, END_EDIT_FLAGS flags = {}) { return type.EndEdit(nullptr, RECT {}, flags); }

    std::vector<std::string> boxes;
    ui::ScopedMessageBoxHook hook;
    EditView view;
    TestBox field {kTypeField};
};

TEST_F(EditCycle, TheEditorOpensOverTheFieldWithTheEditText)
{
    NUMBERDATATYPE number;
    ASSERT_EQ(number.InitialiseValue(), 1);
    number.StoreText("1234.5");
    number.bChanged = 1;
    Open(number);
    TEXTEDITWND* wnd = Editor(number);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->GetText(), "1234.5");
    EXPECT_EQ(wnd->GetWidget()->parentWidget(), &view.window);
    EXPECT_EQ(wnd->GetWindowRect().left, 20);
    EXPECT_EQ(wnd->GetWindowRect().top, 30);
    EXPECT_TRUE(wnd->HasFocus());
    EXPECT_TRUE(wnd->IsWindowVisible());
    EXPECT_EQ(number.bChanged, 0) << "a new control starts unchanged";
    EXPECT_EQ(number.pEditSite->GetObject(), &field);
    EXPECT_EQ(number.pEditSite->GetView(), &view);
    EXPECT_EQ(number.IsEditChanged(), 0);
    // Numbers select their whole text: typing replaces it.
    Press(*wnd, Qt::Key_7, "7");
    EXPECT_EQ(wnd->GetText(), "7");
    EXPECT_EQ(number.IsEditChanged(), 1);

    number.ShowControl(0);
    EXPECT_FALSE(wnd->IsWindowVisible());
    EXPECT_EQ(number.bShown, 0);
    number.ShowControl(1);
    EXPECT_TRUE(wnd->IsWindowVisible());

    // Opening again drops the first editor unread.
    Open(number);
    EXPECT_EQ(Editor(number)->GetText(), "1234.5");
    EXPECT_EQ(End(number), 1);
    EXPECT_EQ(Editor(number), nullptr);
    EXPECT_EQ(number.pEditSite, nullptr);
    EXPECT_EQ(number.IsEditChanged(), 0) << "no editor, no change";
    EXPECT_EQ(End(number), 0) << "nothing to end";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(EditCycle, TheInPlaceFlagKeepsTheFocusAndTheHandleValueHidesTheWindow)
{
    view.doc.inPlace = true;
    view.window.setFocus();
    TEXTDATATYPE text;
    text.StoreText("abc");
    Open(text, 1);
    TEXTEDITWND* wnd = Editor(text);
    ASSERT_NE(wnd, nullptr);
    EXPECT_FALSE(wnd->HasFocus());
    EXPECT_FALSE(wnd->IsWindowVisible());
    EXPECT_EQ(wnd->GetText(), "abc");
    text.ShowControl(1);
    text.SetFocus(0);
    RunEventsFor(0);
    EXPECT_TRUE(wnd->HasFocus()) << "asked for, the focus goes to the editor";
    End(text);
}

TEST_F(EditCycle, EndingTakesChecksStoresAndClosesByItsTwoFlags)
{
    struct Case {
        const char* typed;
        bool acceptWithoutCheck;
        bool closeWhenRefused;
        const char* box; // nullptr: no message box
        bool open;
        int result;
        const char* value;
    };
    const char* kBadNumber = "Invalid character for a number.";
    const Case cases[] = {
        {"12x", 0, 0, kBadNumber, true, 0, "7"},
        {"12x", 1, 0, nullptr, false, 1, "12"}, // unchecked, the number is read as far as it goes
        {"12x", 0, 1, kBadNumber, false, 0, "7"},
        {"12x", 1, 1, nullptr, false, 1, "7"},
        {"42", 0, 0, nullptr, false, 1, "42"},
        {"42", 1, 0, nullptr, false, 1, "42"},
        {"42", 0, 1, nullptr, false, 1, "7"}, // taken but not stored
        {"42", 1, 1, nullptr, false, 1, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " flags " + std::to_string(c.acceptWithoutCheck) + ","
            + std::to_string(c.closeWhenRefused));
        NUMBERDATATYPE number;
        ASSERT_EQ(number.InitialiseValue(), 1);
        number.StoreText("7");
        number.bEdited = 0;
        Open(number);
        Type(number, c.typed);
        boxes.clear();
        EXPECT_EQ(End(number, {.acceptWithoutCheck = c.acceptWithoutCheck, .closeWhenRefused = c.closeWhenRefused}),
            c.result);
        EXPECT_EQ(boxes, c.box ? std::vector<std::string> {c.box} : std::vector<std::string> {});
        EXPECT_EQ(Editor(number) != nullptr, c.open);
        EXPECT_EQ(number.pEditSite != nullptr, c.open);
        if (c.open) {
            EXPECT_EQ(Editor(number)->GetText(), c.typed) << "the refused text stays to be mended";
        }
        std::string value;
        number.GetText(value);
        EXPECT_EQ(value, c.value);
        const bool stored = std::string(c.value) != "7";
        EXPECT_EQ(number.bChanged, stored ? 1 : 0);
        EXPECT_EQ(number.bEdited, stored ? 1 : 0);
    }
}

TEST_F(EditCycle, EachKindRefusesWithItsOwnMessage)
{
    struct Case {
        const char* kind;
        DATATYPE* type;
        const char* typed;
        const char* message;
    };
    NUMBERDATATYPE number;
    ASSERT_EQ(number.InitialiseValue(), 1);
    std::string message;
    ASSERT_EQ(number.SetRule(300, 0, "100", "", message), 1);
    DATEDATATYPE date;
    ASSERT_EQ(date.InitialiseValue(), 1);
    TEXTDATATYPE text;
    ASSERT_EQ(text.SetRule(299, 1, "no", "", message), 1);
    MEMODATATYPE memo;
    memo.SetColumnLimits(kSqlVarChar, 3, 0);
    const Case cases[] = {
        {"number rule", &number, "42", "Number Must Be Greater than '100'"},
        {"date", &date, "30 Feb 1997", "Invalid text for a date!"},
        {"text rule", &text, "no", "Text Cannot Be Equal to 'no'"},
        {"memo column", &memo, "four", "The text in this field is too long to be stored in the database."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Open(*c.type);
        Type(*c.type, c.typed);
        boxes.clear();
        EXPECT_EQ(End(*c.type), 0);
        EXPECT_EQ(boxes, std::vector<std::string> {c.message});
        ASSERT_NE(Editor(*c.type), nullptr);
        EXPECT_EQ(c.type->IsEmpty(), 1);
        boxes.clear();
        EXPECT_EQ(End(*c.type, {.acceptWithoutCheck = true, .closeWhenRefused = true}), 1) << "closed unread";
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(Editor(*c.type), nullptr);
        EXPECT_EQ(c.type->IsEmpty(), 1);
    }
}

TEST_F(EditCycle, TextDropsFormatCodesWhileMemoKeepsThemOffShortColumns)
{
    const uint16_t arial = fonts.FindOrAdd(FONTFACE("Arial", 0x22, 0));
    (void)arial;
    const std::string stored = "a" + Code('B', 1) + "b" + Code('B', 0) + "c" + Named(0x23, 1, 1, "Arial") + "d";
    struct Case {
        const char* what;
        bool memo;
        int32_t columnSize; // 0: no bound column
        bool keeps;
    };
    const Case cases[] = {
        {"text", false, 0, false},
        {"text on a long column", false, 1000, false},
        {"memo", true, 0, true},
        // Codes are dropped before the length is checked: with them the
        // text would not fit.
        {"memo on a column of 4 characters", true, 4, false},
        {"memo on a column of 256 characters", true, 256, false},
        {"memo on a column of 257 characters", true, 257, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TEXTDATATYPE> type
            = c.memo ? std::make_unique<MEMODATATYPE>() : std::make_unique<TEXTDATATYPE>();
        if (c.columnSize)
            type->SetColumnLimits(kSqlVarChar, static_cast<uint32_t>(c.columnSize), 0);
        type->StoreText(stored);
        type->bChanged = 0;
        Open(*type);
        ASSERT_NE(Editor(*type), nullptr);
        EXPECT_EQ(type->IsEditChanged(), 0) << "the faces come back to the names they were stored with";
        EXPECT_EQ(Editor(*type)->GetRichPaste(), c.keeps ? 1 : 0);
        EXPECT_EQ(End(*type), 1);
        EXPECT_EQ(type->strValue, c.keeps ? stored : "abcd");
        EXPECT_EQ(type->bChanged, c.keeps ? 0 : 1);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(EditCycle, AFaceNewToTheTableIsStoredByItsName)
{
    MEMODATATYPE memo;
    memo.StoreText("plain");
    Open(memo);
    TEXTEDITWND* wnd = Editor(memo);
    ASSERT_NE(wnd, nullptr);
    // The format bar adds the face it offers to the table, then applies it.
    const uint16_t face = fonts.FindOrAdd(FONTFACE("Face Of Our Own", 0x12, 2));
    TEXTATTR attr;
    attr.SetMixed();
    attr.face = face;
    wnd->SelectAll();
    wnd->ApplyTextAttr(attr);
    ASSERT_NE(wnd->GetText().find(Code('T', face)), std::string::npos);
    EXPECT_EQ(memo.IsEditChanged(), 1);
    EXPECT_EQ(End(memo), 1);
    EXPECT_NE(memo.strValue.find(Named(0x13, 1, 3, "Face Of Our Own") + "plain"), std::string::npos);
    EXPECT_EQ(memo.strValue.find(Code('T', face)), std::string::npos) << "no table index is stored";
    EXPECT_EQ(memo.bChanged, 1);
}

TEST_F(EditCycle, TheEditorsArePaintedOverTheView)
{
    // Two fields open at once for the picture: a number typed over and a
    // memo keeping its bold word.
    view.window.setStyleSheet("background: #C0C0C0");
    NUMBERDATATYPE number;
    ASSERT_EQ(number.InitialiseValue(), 1);
    number.StoreText("1234.5");
    Open(number);
    Type(number, "987.25");
    MEMODATATYPE memo;
    memo.StoreText("Memo " + Code('B', 1) + "bold" + Code('B', 0) + " text");
    TEXTDRAWINFO info;
    info.mode = kTextOnWindow;
    memo.CreateControl(info, {20, 90, 320, 150}, {0, 0, 4500, 900}, TEXTATTR {}, kTextAlignLeft, 0xFFFF, nullptr,
        nullptr, &view, &field, 0);
    ASSERT_NE(Editor(memo), nullptr);
    Editor(number)->UpdateWindow();
    Editor(memo)->UpdateWindow();
    RunEventsFor(0);
    const std::string dir = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(view.window.grab().save(QString::fromStdString(dir + "/value_editors.png")));
    EXPECT_EQ(End(memo), 1);
    EXPECT_EQ(End(number), 1);
    std::string value;
    number.GetText(value);
    EXPECT_EQ(value, "987.25");
}

} // namespace
