// The format and standard bars' boxes and buttons driving the design views
// of a running program: a typed zoom reaches every pane of a split window,
// the rotation box turns the selected text reduced into one turn and
// answers for several objects and for a group, turning a group's texts, the size
// and typeface boxes change the selected text, and an unknown typeface
// keeps the current one.
#include "tests/app/support/started_designer.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/app.h"
#include "platform/ui/splitter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

namespace {

class DesignerFormatBarTest : public StartedDesignerTest {
protected:
    // A text object on page 1, alone in the selection.
    FORMOBJ* SelectNewText()
    {
        std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeText);
        made->SetRect(1440, 1440, 4320, 2160);
        FORMOBJ* text = made.get();
        doc->GetObjects().SetObjectPage(std::move(made), 1);
        text->Select(view);
        view->Format().UpdateFormatBar();
        return text;
    }
    // The user types into a box and leaves it with Enter.
    void TypeAndEnter(QComboBox& box, const QString& text)
    {
        box.setFocus();
        box.lineEdit()->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &enter);
        RunEventsFor(20);
    }
};

TEST_F(DesignerFormatBarTest, ATypedZoomReachesBothPanesOfASplit)
{
    ui::Splitter& splitter = *frame->GetSplitter();
    ASSERT_TRUE(splitter.SplitRow(splitter.height() / 2));
    RunEventsFor(20);
    ASSERT_EQ(splitter.GetRowCount(), 2);
    auto* top = dynamic_cast<FBASEVIEW*>(splitter.GetPane(0, 0));
    auto* bottom = dynamic_cast<FBASEVIEW*>(splitter.GetPane(1, 0));
    ASSERT_NE(top, nullptr);
    ASSERT_NE(bottom, nullptr);
    ZOOMCOMBO& zoom = *main->GetStdToolBar()->GetZoomCombo();

    zoom.lineEdit()->setText("50");
    Send(ID_ZOOM_BOX);
    EXPECT_EQ(top->GetZoom(), 50);
    EXPECT_EQ(bottom->GetZoom(), 50);
    RunEventsFor(20);
    EXPECT_EQ(zoom.currentText(), "50%");

    // Typed and left with Enter, limited to 200: the focus goes back to the
    // view, and the box losing it applies the zoom.
    main->GetWindow()->activateWindow();
    TypeAndEnter(zoom, "300");
    EXPECT_FALSE(zoom.hasFocus());
    EXPECT_EQ(top->GetZoom(), 200);
    EXPECT_EQ(bottom->GetZoom(), 200);
    EXPECT_EQ(zoom.currentText(), "200%");

    // A zoom set from the menu shows in the box between edits.
    main->GetWindow()->setFocus();
    Send(32900);
    ui::App::Current()->Idle();
    EXPECT_EQ(zoom.currentText(), "50%");
}

TEST_F(DesignerFormatBarTest, RotationBoxTurnsTheSelectedTextWithinOneTurn)
{
    FORMOBJ* text = SelectNewText();
    ZOOMCOMBO& rotation = *main->GetTextToolBar()->GetRotationCombo();
    EXPECT_TRUE(rotation.isEnabled());
    EXPECT_EQ(rotation.currentText(), QString("0") + QChar(0xB0));

    const std::pair<const char*, uint16_t> cases[] = {{"370", 100}, {"-45", 3150}, {"90", 900}};
    for (const auto& [typed, angle] : cases) {
        SCOPED_TRACE(typed);
        rotation.lineEdit()->setText(QString::fromLatin1(typed));
        Send(ID_ROTATION_BOX);
        EXPECT_EQ(text->GetRotation(), angle);
        EXPECT_EQ(rotation.currentText(), QString::number(angle / 10) + QChar(0xB0));
    }
    EXPECT_TRUE(doc->IsModified());

    // Between commands the box follows the selection: nothing selected
    // has no angle to show, nor has a box.
    view->GetSelection()->Deselect(view);
    ui::App::Current()->Idle();
    EXPECT_FALSE(rotation.isEnabled());
    EXPECT_TRUE(rotation.currentText().isEmpty());
    std::unique_ptr<FORMOBJ> box = doc->GetObjects().CreateObject(kTypeBox);
    box->SetRect(1440, 4320, 2880, 5760);
    FORMOBJ* shape = box.get();
    doc->GetObjects().SetObjectPage(std::move(box), 1);
    shape->Select(view);
    ui::App::Current()->Idle();
    EXPECT_FALSE(rotation.isEnabled());
    view->GetSelection()->Deselect(view);
    text->Select(view);
    ui::App::Current()->Idle();
    EXPECT_TRUE(rotation.isEnabled());
    EXPECT_EQ(rotation.currentText(), QString("90") + QChar(0xB0));
}

TEST_F(DesignerFormatBarTest, TheRotationBoxAnswersForSeveralObjectsAndTurnsAGroupsTexts)
{
    FORMOBJ* first = SelectNewText();
    FORMOBJ* second = SelectNewText();
    second->SetRotation(900, nullptr);
    std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeBox);
    made->SetRect(1440, 4320, 2880, 5760);
    FORMOBJ* box = made.get();
    doc->GetObjects().SetObjectPage(std::move(made), 1);
    ZOOMCOMBO& rotation = *main->GetTextToolBar()->GetRotationCombo();
    auto select = [&](const std::vector<FORMOBJ*>& objects) {
        view->GetSelection()->Deselect(view);
        for (FORMOBJ* o : objects)
            o->Select(view);
        ui::App::Current()->Idle();
    };

    select({first, second});
    EXPECT_TRUE(rotation.isEnabled()) << "two texts turn, at different angles";
    EXPECT_TRUE(rotation.currentText().isEmpty());
    second->SetRotation(0, nullptr);
    select({first, second});
    EXPECT_TRUE(rotation.isEnabled());
    EXPECT_EQ(rotation.currentText(), QString("0") + QChar(0xB0));
    select({first, box});
    EXPECT_FALSE(rotation.isEnabled()) << "a box does not turn";

    // A group of the two texts answers their angle and turns them; the
    // group itself keeps none.
    select({first, second});
    Send(ID_DRAW_GROUP);
    FORMOBJ* group = view->GetSelection()->GetFirstSelected();
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->GetType(), kTypeGroup);
    ui::App::Current()->Idle();
    EXPECT_TRUE(rotation.isEnabled());
    EXPECT_EQ(rotation.currentText(), QString("0") + QChar(0xB0));
    rotation.lineEdit()->setText("90");
    Send(ID_ROTATION_BOX);
    EXPECT_EQ(first->GetRotation(), 900);
    EXPECT_EQ(second->GetRotation(), 900);
    EXPECT_EQ(group->GetRotation(), 0);
    ui::App::Current()->Idle();
    EXPECT_EQ(rotation.currentText(), QString("90") + QChar(0xB0));
}

TEST_F(DesignerFormatBarTest, SizeAndTypefaceBoxesChangeTheSelectedText)
{
    FORMOBJ* text = SelectNewText();
    TEXTTOOLBAR& bar = *main->GetTextToolBar();
    TEXTATTR before;
    ASSERT_TRUE(text->GetFont(&before));

    QComboBox& size = *bar.GetSizeCombo();
    size.setCurrentIndex(size.findText("20"));
    Send(ID_SIZE_BOX);
    TEXTATTR after;
    text->GetFont(&after);
    EXPECT_EQ(after.size, 400);

    // A face nobody has keeps the current face, and the box shows it again.
    QComboBox& face = *bar.GetFaceCombo();
    face.lineEdit()->setText("No Such Face Here");
    Send(ID_FACE_BOX);
    text->GetFont(&after);
    EXPECT_EQ(after.face, before.face);
    EXPECT_EQ(face.currentText().toStdString(), GetFaceName(before.face));

    // A listed face is entered in the font table and given to the text.
    ASSERT_GT(face.count(), 1);
    const int other = face.currentIndex() == 0 ? 1 : 0;
    face.setCurrentIndex(other);
    const std::string chosen = face.itemText(other).toStdString();
    Send(ID_FACE_BOX);
    text->GetFont(&after);
    EXPECT_EQ(GetFaceName(after.face), chosen);
    EXPECT_EQ(after.size, 400);
}

TEST_F(DesignerFormatBarTest, StyleButtonsToggleTheirByte)
{
    FORMOBJ* text = SelectNewText();
    TEXTATTR attr;
    Send(106);
    text->GetFont(&attr);
    EXPECT_EQ(attr.bold, 1);
    Send(175);
    text->GetFont(&attr);
    EXPECT_EQ(attr.underline, kUnderlineDouble);
    Send(174);
    text->GetFont(&attr);
    EXPECT_EQ(attr.underline, kUnderlineWord);
    Send(174);
    Send(106);
    text->GetFont(&attr);
    EXPECT_EQ(attr.underline, kUnderlineNone);
    EXPECT_EQ(attr.bold, 0);
}

} // namespace
