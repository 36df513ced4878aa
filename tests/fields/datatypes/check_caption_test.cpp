// The check box edited in the views: a click on the caption opens the
// editor over it, the editor follows the field, its text becomes the
// caption, the fill view shows the field grey beneath it, and the box with
// the focus is outlined.
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "tests/common/run_events.h"
#include "tests/fields/datatypes/edit_view.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

// A field with a 12-point font and centred text.
class CaptionField : public TestBox {
public:
    CaptionField()
        : TestBox(kTypeField)
    {}
    int GetFont(TEXTATTR* out) override
    {
        *out = TEXTATTR {};
        out->size = 240;
        out->colour = 0x0000FF;
        return 1;
    }
    int GetAlignment(uint8_t* out) override
    {
        *out = 3;
        return 1;
    }
};

class CheckCaption : public ProgramFontsTest {
protected:
    CheckCaption()
    {
        g_twipsPerDevice = 15;
        // Box on the right: the caption runs from the field's left edge.
        box.nTextPos = 1;
        box.strCaption = "Agreed";
        field.SetPlace(1, {1500, 1500, 6000, 1950});
        view.window.resize(500, 300);
        view.window.show();
        view.window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view.window));
    }
    ~CheckCaption() override { g_twipsPerDevice = 1; }

    RECT CaptionOnWindow()
    {
        VIEWDC dc(&view, kOwnWindow);
        TEXTATTR attr;
        field.GetFont(&attr);
        RECT r = box.GetTextRect(dc, field, attr);
        view.ToDeviceRect(r);
        return r;
    }
    TEXTEDITWND* Editor()
    {
        TEXTEDITWND* wnd = nullptr;
        box.GetControl(wnd);
        return wnd;
    }

    EditView view;
    CaptionField field;
    CHECK_DATATYPE box;
};

TEST_F(CheckCaption, AClickOnTheCaptionOpensTheEditorOverIt)
{
    const RECT caption = CaptionOnWindow();
    ASSERT_EQ(caption.left, 100);
    ASSERT_EQ(caption.top, 100);
    EXPECT_EQ(box.HitControl(&view, caption.right + 2, caption.top + 5, &field), 0) << "on the box";
    EXPECT_EQ(box.HitControl(&view, caption.left + 5, caption.top - 1, &field), 0) << "above the field";
    EXPECT_EQ(box.HasControl(), 0);
    EXPECT_EQ(Editor(), nullptr);

    EXPECT_EQ(box.HitControl(&view, caption.left + 5, caption.top + 5, &field), 1);
    EXPECT_EQ(box.HasControl(), 1);
    TEXTEDITWND* wnd = Editor();
    ASSERT_NE(wnd, nullptr);
    RunEventsFor(0);
    EXPECT_EQ(wnd->GetText(), "Agreed");
    EXPECT_EQ(wnd->GetWindowRect(), caption);
    EXPECT_EQ(wnd->GetWidget()->parentWidget(), &view.window);
    EXPECT_TRUE(wnd->HasFocus());
    EXPECT_EQ(box.pEditSite->GetObject(), &field);

    // Typed at the end, the text becomes the caption when the editor closes.
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(wnd->GetWidget(), &end);
    for (char c : std::string(" twice")) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(wnd->GetWidget(), &e);
    }
    box.CloseControl(&view, &field);
    EXPECT_EQ(box.strCaption, "Agreed twice");
    EXPECT_EQ(box.HasControl(), 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(box.pEditSite, nullptr);
    box.CloseControl(&view, &field);
    EXPECT_EQ(box.strCaption, "Agreed twice") << "nothing to take without an editor";
}

TEST_F(CheckCaption, TheEditorFollowsTheFieldAndEmptiesTheCaption)
{
    const RECT caption = CaptionOnWindow();
    ASSERT_EQ(box.HitControl(&view, caption.left + 1, caption.top + 1, &field), 1);
    field.SetPlace(1, {3000, 2250, 7500, 2700});
    VIEWDC dc(&view, kOwnWindow);
    box.MoveCaptionEditor(dc, &field);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->GetWindowRect(), CaptionOnWindow());
    EXPECT_EQ(Editor()->GetWindowRect().left, 200);

    Editor()->SelectAll();
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(Editor()->GetWidget(), &del);
    box.TakeEditorText();
    EXPECT_EQ(box.strCaption, "");
    EXPECT_EQ(box.HasControl(), 1) << "taking the text leaves the editor open";
    box.CloseControl(&view, &field);
}

TEST_F(CheckCaption, TheCaptionsFirstLineIsMarkedToTheFieldsRightEdge)
{
    FONTMETRICSCACHE& metrics = *GetFontMetricsCache();
    TEXTATTR attr;
    field.GetFont(&attr);
    gdi::TEXTMETRIC tm {};
    metrics.GetFont(kDeviceWindow, 991, 0, attr, 0, &tm, nullptr);
    ASSERT_GT(tm.tmHeight, 0);
    const RECT caption = CaptionOnWindow();
    RECT line {1500, 1500, 6000, 1500 + tm.tmHeight};
    view.ToDeviceRect(line);
    ASSERT_EQ(line.left, caption.left);
    RECT out;
    EXPECT_EQ(&box.GetMarkRect(out, &view, &field, 0), &out);
    EXPECT_EQ(out, line);
    EXPECT_TRUE(view.invalidRects.empty());
    box.GetMarkRect(out, &view, &field, 1);
    ASSERT_EQ(view.invalidRects.size(), 1u);
    EXPECT_EQ(view.invalidRects[0], out);
}

TEST_F(CheckCaption, TheFillViewShowsTheFieldGreyUnderAnOpenEditor)
{
    gdi::RecordingSurface& surface = view.surface;
    VIEWDC dc(&view, kOwnWindow);
    surface.Clear();
    RECT r;
    field.GetRect(r);
    TEXTATTR attr;
    field.GetFont(&attr);
    box.Draw(dc, r, attr, 0, 0xFFFF, &field, kOutputFill);
    EXPECT_GT(surface.Calls().size(), 1u) << "box, mark and caption";

    const RECT caption = CaptionOnWindow();
    ASSERT_EQ(box.HitControl(&view, caption.left + 1, caption.top + 1, &field), 1);
    surface.Clear();
    box.Draw(dc, r, attr, 0, 0xFFFF, &field, kOutputFill);
    ASSERT_EQ(surface.Calls().size(), 1u);
    const std::string fill = surface.Calls()[0].ToString();
    EXPECT_EQ(fill.rfind("PatBlt (100,100) (400,130)", 0), 0u) << fill;
    EXPECT_NE(fill.find("brush=solid/C0C0C0"), std::string::npos) << fill;
    surface.Clear();
    box.Draw(dc, r, attr, 0, 0xFFFF, &field, kOutputDesign);
    EXPECT_GT(surface.Calls().size(), 1u) << "the design view draws the box as ever";
    box.CloseControl(&view, &field);
}

TEST_F(CheckCaption, TheBoxWithTheFocusIsOutlinedInTheFillView)
{
    const auto dotted = [this] {
        view.surface.Clear();
        VIEWDC dc(&view, kOwnWindow);
        RECT r;
        field.GetRect(r);
        TEXTATTR attr;
        field.GetFont(&attr);
        box.Draw(dc, r, attr, 0, 0xFFFF, &field, kOutputFill);
        int n = 0;
        for (const gdi::RecordedCall& call : view.surface.Calls())
            n += call.name == "Rectangle" && call.ToString().find("pen=dot") != std::string::npos;
        return n;
    };
    EXPECT_EQ(dotted(), 0);
    RECT edit;
    box.GetEditRect(edit, &view, &field, 0);
    box.CreateControl(TEXTDRAWINFO {}, edit, RECT {}, TEXTATTR {}, 0, 0xFFFF, nullptr, nullptr, &view, &field, 0);
    ASSERT_NE(box.GetWindow(), nullptr);
    EXPECT_EQ(dotted(), 1);
    box.EndEdit(&view, RECT {}, {});
    EXPECT_EQ(dotted(), 0);
}

} // namespace
