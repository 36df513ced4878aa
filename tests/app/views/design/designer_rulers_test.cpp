// The rulers of a form's window in the running program: placed above and
// left of the splitter, they follow the active design view's zoom, scroll
// and selection, show the pointer while nothing is selected, and take the
// unit the Grid dialog sets, in every form's window.
#include "tests/app/frames/form_window_fixture.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/ruler_bar.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/design_pages.h"
#include "forms/app/views/design/design_rulers.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/gdi/window_surface.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/splitter.h"
#include "platform/ui/surface_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

class DesignerRulersTest : public FormWindowTest {
protected:
    void SetUp() override
    {
        FormWindowTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        horz = frame->GetHorzRuler();
        vert = frame->GetVertRuler();
        ASSERT_NE(horz, nullptr);
        ASSERT_NE(vert, nullptr);
        std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeBox);
        made->SetRect(1440, 1440, 2880, 2160);
        box = made.get();
        doc->GetObjects().SetObjectPage(std::move(made), 1);
    }
    // The window point of a page point (twips).
    POINT At(int32_t x, int32_t y)
    {
        RECT r {x, y, x, y};
        view->ToDeviceRect(r);
        return {r.left, r.top};
    }
    void MoveTo(POINT p)
    {
        QWidget* window = view->GetWindow();
        QMouseEvent e(QEvent::MouseMove, QPointF(p.x, p.y), window->mapToGlobal(QPointF(p.x, p.y)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &e);
    }
    void Shoot(const char* name)
    {
        RunEventsFor(20);
        QDir().mkpath(FORMS_TEST_OUTPUT_DIR);
        app->GetMainFrame()->GetWindow()->grab().save(QString(FORMS_TEST_OUTPUT_DIR) + "/" + name);
    }

    RULERBAR* horz = nullptr;
    RULERBAR* vert = nullptr;
    FORMOBJ* box = nullptr;
};

TEST_F(DesignerRulersTest, TheRulersStandAboveAndLeftOfTheSplitter)
{
    QWidget* top = horz->GetWindow();
    QWidget* left = vert->GetWindow();
    QWidget* splitter = frame->GetSplitter();
    EXPECT_EQ(top->objectName(), "ctl_103");
    EXPECT_EQ(left->objectName(), "ctl_104");
    EXPECT_EQ(top->height(), 24);
    EXPECT_EQ(left->width(), 22);
    const QPoint splitterAt = splitter->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(top->mapToGlobal(QPoint(0, top->height())).y(), splitterAt.y());
    EXPECT_EQ(top->mapToGlobal(QPoint(0, 0)).x(), splitterAt.x());
    EXPECT_EQ(left->mapToGlobal(QPoint(left->width(), 0)).x(), splitterAt.x());
    EXPECT_EQ(left->mapToGlobal(QPoint(0, 0)).y(), splitterAt.y());
    EXPECT_GE(top->width(), splitter->width());
    EXPECT_TRUE(horz->IsShown());
    EXPECT_TRUE(vert->IsShown());
}

TEST_F(DesignerRulersTest, TheRulersCommandHidesAndShowsBoth)
{
    const int splitterTop = frame->GetSplitter()->mapToGlobal(QPoint(0, 0)).y();
    for (const bool shown : {false, true}) {
        ASSERT_TRUE(view->ExecuteCommand(ID_VIEW_RULERS));
        RunEventsFor(10);
        EXPECT_EQ(horz->GetWindow()->isVisible(), shown);
        EXPECT_EQ(vert->GetWindow()->isVisible(), shown);
        ui::CmdUI cmdUI(ID_VIEW_RULERS);
        cmdUI.DoUpdate(*view, true);
        EXPECT_EQ(cmdUI.Check(), shown ? 1 : 0);
        // Hidden, the splitter takes their place.
        const int top = frame->GetSplitter()->mapToGlobal(QPoint(0, 0)).y();
        EXPECT_EQ(top, shown ? splitterTop : splitterTop - RULERBAR::kHorizontalHeight);
    }
}

TEST_F(DesignerRulersTest, TheSelectionAndThePointerShowOnBothRulers)
{
    // The pointer, with nothing selected, relative to the page's corner.
    const POINT inside = At(720, 360);
    MoveTo(inside);
    EXPECT_EQ(horz->GetFirstMarker(), 48);
    EXPECT_EQ(vert->GetFirstMarker(), 24);
    EXPECT_EQ(horz->GetSecondMarker(), -1);

    // Selected, the box's edges: an inch to two inches, an inch to an inch
    // and a half, at 100 %.
    ASSERT_EQ(view->SelectAt(At(2000, 1800)), 1);
    EXPECT_EQ(horz->GetFirstMarker(), 96);
    EXPECT_EQ(horz->GetSecondMarker(), 192);
    EXPECT_EQ(vert->GetFirstMarker(), 96);
    EXPECT_EQ(vert->GetSecondMarker(), 144);
    MoveTo(inside);
    EXPECT_EQ(horz->GetFirstMarker(), 96) << "the pointer waits while the extent shows";

    // A tracker's rectangle moves the extent; none clears it.
    const RECT tracked {2880, 2880, 4320, 3600};
    view->ShowPositionInRulers(&tracked);
    EXPECT_EQ(horz->GetFirstMarker(), 192);
    EXPECT_EQ(horz->GetSecondMarker(), 288);
    EXPECT_EQ(vert->GetSecondMarker(), 240);
    view->ShowPositionInRulers(nullptr);
    EXPECT_EQ(horz->GetFirstMarker(), -1);
    EXPECT_EQ(vert->GetSecondMarker(), -1);
}

TEST_F(DesignerRulersTest, TheScaleFollowsZoomAndScroll)
{
    ASSERT_EQ(view->SelectAt(At(2000, 1800)), 1);
    view->SetZoom(50);
    view->Rulers().ShowSelectionInRulers();
    EXPECT_EQ(horz->GetFirstMarker(), 48);
    EXPECT_EQ(horz->GetSecondMarker(), 96);

    view->SetZoom(200);
    view->Rulers().ShowSelectionInRulers();
    EXPECT_EQ(horz->GetFirstMarker(), 192);
    // Scrolled down by the bar, the ticks move and the box's marks move up
    // with the page.
    QScrollBar* bar = ui::Splitter::ScrollBarOf(*view, Qt::Vertical);
    ASSERT_NE(bar, nullptr);
    const QImage before = vert->GetWindow()->Surface().Image().copy();
    bar->setValue(bar->value() + 100);
    RunEventsFor(10);
    view->Rulers().ShowSelectionInRulers();
    EXPECT_NE(vert->GetWindow()->Surface().Image(), before) << "the ticks moved";
    const int32_t top = At(1440, 1440).y - view->GetViewportOrg().y;
    EXPECT_LT(top, 192);
    EXPECT_EQ(vert->GetFirstMarker(), top);
}

TEST_F(DesignerRulersTest, ScreenshotsAtOneHundredPercentInchesAndFiftyCentimetres)
{
    ASSERT_EQ(view->SelectAt(At(2000, 1800)), 1);
    Shoot("rulers_100_inches.png");
    view->Pages().SetUnitEverywhere(1);
    view->SetZoom(50);
    view->Rulers().ShowSelectionInRulers();
    EXPECT_EQ(horz->GetUnit(), 1);
    EXPECT_EQ(horz->GetFirstMarker(), 48);
    Shoot("rulers_50_centimetres.png");
}

TEST_F(DesignerRulersTest, AGridDialogUnitChangeSwitchesEveryRuler)
{
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    std::vector<RULERBAR*> rulers;
    for (ui::Frame* child : app->GetMainFrame()->GetChildren()) {
        auto* each = dynamic_cast<CChildFrame*>(child);
        ASSERT_NE(each, nullptr);
        rulers.push_back(each->GetHorzRuler());
        rulers.push_back(each->GetVertRuler());
    }
    ASSERT_EQ(rulers.size(), 4u);
    for (RULERBAR* ruler : rulers)
        EXPECT_EQ(ruler->GetUnit(), 0);
    auto* active = dynamic_cast<FDESIGNVIEW*>(app->GetMainFrame()->GetActiveChild()->GetActiveView());
    ASSERT_NE(active, nullptr);
    {
        ui::ScopedDialogHook hook([](ui::Dialog& running) {
            SendClick(running.GetDlgItem(1242));
            running.SendCommand(1, ui::BN_CLICKED);
        });
        ASSERT_TRUE(active->ExecuteCommand(ID_TOOLS_GRID_SETTINGS));
    }
    for (RULERBAR* ruler : rulers)
        EXPECT_EQ(ruler->GetUnit(), 1);
}

} // namespace
