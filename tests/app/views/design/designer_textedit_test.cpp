// Text objects typed in place in the design view, with synthetic mouse and
// keys: the text tool's rubber band starts an edit, a click elsewhere ends
// it with the text trimmed and the object fitted, an object left blank
// deletes itself alone, a turned object is typed upright and follows its
// proxy, formats reach the selected characters, a save during an edit, the
// clipboard commands in the editor and a copied text for other programs.
#include "forms/editor/form_editor.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftextobj.h"
#include "tests/app/support/designer_window.h"
#include "tests/app/support/text_editor_probe.h"
#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class DesignerTextEditTest : public DesignerTest {
protected:
    DesignerTextEditTest()
    {
        host.activateWindow();
        QCoreApplication::processEvents();
    }

    FTEXTOBJ* AddText(RECT rect, std::string_view text)
    {
        auto* object = static_cast<FTEXTOBJ*>(Add(kTypeText, rect));
        EXPECT_EQ(object->Create(view.Format().NewObjectFont(), 0), 1);
        EXPECT_EQ(object->SetText(text), 1);
        return object;
    }
    // The text tool drags out a rectangle (page twips).
    FTEXTOBJ* DrawText(RECT rect)
    {
        EXPECT_TRUE(view.ExecuteCommand(32774));
        const POINT from = At(rect.left, rect.top);
        const POINT to = At(rect.right, rect.bottom);
        Drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
        return Objects().empty() ? nullptr : static_cast<FTEXTOBJ*>(Objects().back());
    }
    void DoubleClick(POINT p)
    {
        Click(p);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(p.x, p.y), QPointF(p.x, p.y), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&host, &dbl);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(p.x, p.y), QPointF(p.x, p.y), Qt::LeftButton, Qt::NoButton,
            Qt::NoModifier);
        QCoreApplication::sendEvent(&host, &up);
    }
    TEXTEDITWND* Editor() { return view.GetSelectedRichText(); }
    void Type(const QString& text)
    {
        ASSERT_NE(Editor(), nullptr);
        TypeInto(Editor(), text);
    }
    std::string TextOf(const FTEXTOBJ* object) { return std::string(object->GetText().View()); }
    // The height the object's text takes at its width (twips).
    int32_t MeasuredHeight(FTEXTOBJ* object)
    {
        VIEWDC dc(&view, kOwnWindow);
        int16_t height = 0;
        object->DrawText(dc, &height);
        return height;
    }
    ui::ScopedMessageBoxHook CountingQuestions()
    {
        return ui::ScopedMessageBoxHook([this](const ui::MessageBoxRequest&) {
            ++questions;
            return ui::IDOK;
        });
    }
    RECT EditorPlace() { return ::EditorPlace(Editor()); }
    RECT DeviceRectOf(FORMOBJ* object)
    {
        VIEWDC dc(&view, kOwnWindow);
        RECT r;
        object->GetDeviceRect(r, dc, 0);
        return r.Normalized();
    }

    int questions = 0;
};

TEST_F(DesignerTextEditTest, TheToolTypingAndAClickElsewhereLeaveTheTextTrimmedAndFitted)
{
    struct Case {
        const char* name;
        QString typed;
        std::string kept;
        int lines;
        int32_t top;
    };
    const Case cases[] = {
        {"trailing blanks and line feeds", "Hello  \n\n ", "Hello", 1, 1440},
        {"two lines", "Hello\nWorld\n", "Hello\nWorld", 2, 4320},
    };
    int32_t lineHeight = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FTEXTOBJ* text = DrawText({1440, c.top, 4320, c.top + 1440});
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(view.GetTool(), kSelectionTool);
        EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {text});
        ASSERT_NE(Editor(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), EditorWidget(Editor()));
        EXPECT_EQ(EditorPlace(), DeviceRectOf(text));
        Type(c.typed);

        Click(At(6000, 8000));
        EXPECT_EQ(Editor(), nullptr);
        EXPECT_FALSE(text->IsBeingEdited());
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(TextOf(text), c.kept);
        const RECT r = RectOf(text);
        EXPECT_EQ(r.left, 1440);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right, 4320);
        const int32_t height = r.bottom - r.top - 30;
        if (c.lines == 1)
            lineHeight = height;
        EXPECT_GT(lineHeight, 200);
        EXPECT_EQ(height, c.lines * lineHeight);
        EXPECT_EQ(height, MeasuredHeight(text));
        EXPECT_TRUE(doc->IsModified());
    }
}

TEST_F(DesignerTextEditTest, ADoubleClickEditsAgainAndTheTextReachesTheFile)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "Form");
    DoubleClick(At(2000, 1600));
    ASSERT_TRUE(text->IsBeingEdited());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), EditorWidget(Editor()));
    Type("s");
    // A second double click inside the edited object is the editor's.
    view.OnLButtonDblClk();
    EXPECT_EQ(EditorText(Editor()), "sForm");
    Click(At(6000, 8000));
    EXPECT_EQ(TextOf(text), "sForm");
}

TEST_F(DesignerTextEditTest, TheFrameLosingActivationEndsTheEditAndKeepsTheObjectSelected)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "Form");
    DoubleClick(At(2000, 1600));
    ASSERT_TRUE(text->IsBeingEdited());
    Type("s");
    view.OnFrameActivate(false, nullptr);
    EXPECT_FALSE(text->IsBeingEdited());
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(TextOf(text).size(), 5u) << TextOf(text);
    EXPECT_TRUE(text->IsSelected(nullptr));
}

TEST_F(DesignerTextEditTest, AnObjectLeftBlankDeletesItselfAloneAndAnotherSelectedObjectStays)
{
    for (const char* typed : {"", "   \n ", " "}) {
        SCOPED_TRACE(std::string("typed '") + typed + "'");
        auto hook = CountingQuestions();
        FORMOBJ* line = Add(kTypeLine, {1440, 9000, 5040, 9400});
        line->Select(&view);
        view.DeleteSelection(true);
        ASSERT_TRUE(view.GetEditor()->CanUndoDeletion());

        FORMOBJ* box = Add(kTypeBox, {1440, 5000, 2880, 6400});
        FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "");
        text->Select(&view);
        ASSERT_EQ(text->ShowProperties(&view), 1);
        Type(typed);
        box->Select(&view);
        ASSERT_EQ(view.GetSelection()->GetCount(), 2);

        EXPECT_EQ(text->Deselect(&view), 2);
        EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {box});
        EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {box});
        EXPECT_EQ(view.GetSelection()->GetCount(), 1);
        EXPECT_EQ(questions, 0);
        // Undo Deletion brings back the line, not the text.
        ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
        std::vector<uint8_t> types;
        for (FORMOBJ* o : Objects())
            types.push_back(o->GetType());
        EXPECT_EQ(types, (std::vector<uint8_t> {kTypeLine, kTypeBox}));

        view.GetSelection()->Deselect(&view);
        for (FORMOBJ* o : Objects())
            doc->GetObjects().Delete(o);
    }
}

TEST_F(DesignerTextEditTest, ATurnedTextIsTypedUprightAndFollowsItsProxy)
{
    FTEXTOBJ* text = AddText({2880, 2880, 5760, 3600}, "Turned");
    text->Select(&view);
    text->SetRotation(300, &view);
    ASSERT_EQ(text->ShowProperties(&view), 1);
    FTEXTOBJ* proxy = text->GetEditProxy();
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->GetRotation(), 0);
    EXPECT_EQ(RectOf(proxy), RectOf(text));
    EXPECT_EQ(EditorPlace(), DeviceRectOf(proxy));
    EXPECT_EQ(EditorText(Editor()), "Turned");
    RECT same;
    text->RectFromProxy(same, RectOf(proxy));
    EXPECT_EQ(same, RectOf(text)) << "an untouched proxy moves nothing";

    // The middle of the left edge, turned with the object, stays where it
    // is when the right handle is dragged 1440 twips further.
    auto leftMiddle = [&] {
        const RECT r = RectOf(text);
        ROTATION turn;
        turn.Set(r.left, r.top, r.right, r.bottom, text->GetRotation());
        return turn.Rotate({r.left, (r.top + r.bottom) / 2});
    };
    const POINT anchor = leftMiddle();
    RECT handle;
    proxy->GetHandleRect(5, handle, RectOf(proxy));
    const POINT grab = At((handle.left + handle.right) / 2, (handle.top + handle.bottom) / 2);
    const int32_t step = At(5760 + 1440, 0).x - At(5760, 0).x;
    Drag({grab, {grab.x + step / 2, grab.y}, {grab.x + step, grab.y}});

    ASSERT_TRUE(text->IsBeingEdited());
    EXPECT_EQ(RectOf(proxy).Width(), 2880 + 1440);
    EXPECT_EQ(RectOf(text).Width(), RectOf(proxy).Width());
    EXPECT_EQ(RectOf(text).Height(), RectOf(proxy).Height());
    const POINT after = leftMiddle();
    EXPECT_LE(std::abs(after.x - anchor.x), 2);
    EXPECT_LE(std::abs(after.y - anchor.y), 2);
    EXPECT_EQ(proxy->GetRotation(), 0);
    // The editor came back over the proxy's new place, text and all.
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorPlace(), DeviceRectOf(proxy));
    EXPECT_EQ(EditorText(Editor()), "Turned");

    // A turned object keeps its own height when the edit ends.
    const RECT before = RectOf(text);
    text->Deselect(&view);
    EXPECT_EQ(RectOf(text), before);
    EXPECT_EQ(text->GetRotation(), 300);
}

TEST_F(DesignerTextEditTest, AFormatDuringAnEditReachesTheSelectedCharactersOnly)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "plain");
    text->Select(&view);
    ASSERT_EQ(text->ShowProperties(&view), 1);
    Type("Bold ");
    // The five typed characters selected, as Shift+Home would.
    KeyInto(Editor(), Qt::Key_Home, Qt::ShiftModifier);
    TEXTATTR bold;
    bold.SetMixed();
    bold.bold = 1;
    view.ApplyTextAttr(bold);

    TEXTATTR own;
    text->GetFont(&own);
    EXPECT_EQ(own.bold, 0) << "the object's own font stays";
    Click(At(6000, 8000));
    const std::string kept = TextOf(text);
    EXPECT_NE(kept.find("\x1B"
                        "B"),
        std::string::npos);
    EXPECT_EQ(kept.substr(kept.size() - 5), "plain");
    EXPECT_EQ(kept.find("plain"), kept.size() - 5);
    // Outside an edit the whole object takes it.
    text->Select(&view);
    view.ApplyTextAttr(bold);
    text->GetFont(&own);
    EXPECT_EQ(own.bold, 1);
}

TEST_F(DesignerTextEditTest, AFontDialogDuringAnEditAppliesLiveAndCancelRestoresTextAndSelection)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "plain");
    text->Select(&view);
    ASSERT_EQ(text->ShowProperties(&view), 1);
    EditorSelectAll(Editor());
    doc->SetModified(false);
    for (int closeWith : {ui::IDCANCEL, ui::IDOK}) {
        SCOPED_TRACE(closeWith);
        res::ScopedMissingHandler missing(res::ThrowMissing);
        bool ran = false;
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            ran = true;
            ASSERT_EQ(running.GetId(), 2216u);
            SendClick(running.GetDlgItem(1414));
            EXPECT_NE(EditorText(Editor()).find("\x1B"
                                                "B"),
                std::string::npos)
                << "bold at once";
            SendClick(running.GetDlgItem(closeWith));
        });
        ASSERT_TRUE(view.ExecuteCommand(ID_FORMAT_FONT));
        EXPECT_TRUE(ran);
        ASSERT_NE(Editor(), nullptr);
        if (closeWith == ui::IDCANCEL) {
            EXPECT_EQ(EditorText(Editor()), "plain");
            EXPECT_TRUE(EditorHasSelection(Editor())) << "the selection comes back";
            EXPECT_FALSE(doc->IsModified());
        } else {
            EXPECT_NE(EditorText(Editor()).find("\x1B"
                                                "B"),
                std::string::npos);
            EXPECT_TRUE(doc->IsModified());
        }
    }
}

TEST_F(DesignerTextEditTest, SavingDuringAnEmptyEditLeavesTheObjectOutAndTheFormReadsBack)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 5000, 2880, 6400});
    FTEXTOBJ* kept = AddText({1440, 7000, 4320, 7600}, "Kept");
    FTEXTOBJ* text = DrawText({1440, 1440, 4320, 2880});
    ASSERT_NE(text, nullptr);
    ASSERT_TRUE(text->IsBeingEdited());
    ASSERT_EQ(Objects().size(), 3u);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = (folder.path() + "/editing.qwm").toStdString();
    ASSERT_TRUE(doc->OnSaveDocument(path));
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    std::vector<uint8_t> types;
    for (FORMOBJ* o = reopened.GetObjects().GetHead(); o; o = o->GetNext())
        types.push_back(o->GetType());
    EXPECT_EQ(types, (std::vector<uint8_t> {kTypeBox, kTypeText}));
    EXPECT_EQ(RectOf(reopened.GetObjects().GetHead()), RectOf(box));
    auto* read = static_cast<FTEXTOBJ*>(reopened.GetObjects().GetTail());
    EXPECT_EQ(TextOf(read), TextOf(kept));
    // The edit goes on.
    EXPECT_TRUE(text->IsBeingEdited());
}

TEST_F(DesignerTextEditTest, TheClipboardCommandsGoToTheOpenEditor)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "abcdef");
    text->Select(&view);
    ASSERT_EQ(text->ShowProperties(&view), 1);
    // No characters selected: Copy, Cut and Clear are the editor's, and off.
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    EXPECT_FALSE(Enabled(ID_EDIT_CUT));
    EXPECT_FALSE(Enabled(ID_EDIT_CLEAR));

    KeyInto(Editor(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_CUT));
    EXPECT_EQ(EditorText(Editor()), "");
    EXPECT_EQ(ui::DataObject::FromClipboard().GetData(ui::kFormatText), std::string("abcdef") + '\0');
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_PASTE));
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_PASTE));
    EXPECT_EQ(EditorText(Editor()), "abcdefabcdef");

    // Clear takes the selected characters, never the object.
    KeyInto(Editor(), Qt::Key_Home, Qt::ShiftModifier);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_CLEAR));
    EXPECT_EQ(EditorText(Editor()), "");
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {text});
}

TEST_F(DesignerTextEditTest, AnEditShutsTheObjectsSheetsAndEndsWhenTheViewIsSwitchedOut)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160}, "Kept ");
    text->Select(&view);
    EXPECT_TRUE(Enabled(ID_EDIT_APPEARANCE));
    EXPECT_TRUE(Enabled(ID_FORMAT_TEXT_SPACING));
    ASSERT_EQ(text->ShowProperties(&view), 1);
    EXPECT_FALSE(Enabled(ID_EDIT_APPEARANCE));
    EXPECT_FALSE(Enabled(ID_FORMAT_TEXT_SPACING));

    view.OnViewSwitch(false, nullptr);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_FALSE(text->IsBeingEdited());
    EXPECT_EQ(TextOf(text), "Kept");
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {text});
    view.OnViewSwitch(true, nullptr);
}

TEST_F(DesignerTextEditTest, CopyOfOneTextObjectGivesOtherProgramsItsText)
{
    FTEXTOBJ* text = AddText({1440, 1440, 4320, 2160},
        "Gr\xFC\xDF"
        "e\n\x80 5");
    text->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_COPY));
    const ui::DataObject data = ui::DataObject::FromClipboard();
    EXPECT_TRUE(data.IsAvailable(kFormatSelection));
    EXPECT_TRUE(data.IsAvailable(kNativeTextFormat));
    // The line break stays the text's own line feed.
    EXPECT_EQ(data.GetData(ui::kFormatText),
        std::string("Gr\xFC\xDF"
                    "e\n\x80 5")
            + '\0');
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Grüße\n€ 5"));
    EXPECT_FALSE(text->IsBeingEdited());
    EXPECT_EQ(text->GetEditor(), nullptr);

    // Two objects carry the objects alone.
    FORMOBJ* box = Add(kTypeBox, {1440, 5000, 2880, 6400});
    box->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_COPY));
    const ui::DataObject two = ui::DataObject::FromClipboard();
    EXPECT_TRUE(two.IsAvailable(kFormatSelection));
    EXPECT_FALSE(two.IsAvailable(kNativeTextFormat));
    EXPECT_FALSE(two.IsAvailable(ui::kFormatText));
}

} // namespace
