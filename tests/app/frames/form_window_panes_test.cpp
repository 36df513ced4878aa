// What the frames show beside a form's page in the running program: the
// position and size panes follow the selection through a new page and a
// change of unit, and the rulers of every window follow its view after
// Tile and while the fill view scrolls.
#include "tests/app/frames/form_window_fixture.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/main_frame.h"
#include "forms/app/frames/ruler_bar.h"
#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/design/design_pages.h"
#include "forms/app/views/fbaseview.h"
#include "forms/model/formobj.h"
#include "forms/res/command_ids.h"

#include "platform/gdi/window_surface.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/surface_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace {

class FormWindowPanesTest : public FormWindowTest {
protected:
    void SetUp() override
    {
        FormWindowTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeBox);
        made->SetRect(1440, 1440, 2880, 2160);
        doc->GetObjects().SetObjectPage(std::move(made), 1);
    }
    std::string Pane(unsigned id)
    {
        auto* main = dynamic_cast<FFRAME*>(app->GetMainFrame());
        return main && main->GetStatusBar() ? main->GetStatusBar()->GetPaneText(id) : "?";
    }
    // True when the ruler's scale strip runs along the whole of the view's
    // window: its dark edge line reaches a few pixels short of the view's end.
    static bool ScaleRunsAlongTheView(const RULERBAR& ruler, const FBASEVIEW& shown)
    {
        const QImage image = ruler.GetWindow()->Surface().Image();
        const QWidget* window = shown.GetWindow();
        const QPoint end = ruler.IsHorizontal() ? QPoint(window->width() - 5, 2) : QPoint(2, window->height() - 5);
        return image.valid(end) && image.pixelColor(end) == QColor(Qt::black);
    }
};

TEST_F(FormWindowPanesTest, PositionAndSizePanesFollowANewPageAndAUnitChange)
{
    RECT r {2000, 1800, 2000, 1800};
    view->ToDeviceRect(r);
    ASSERT_EQ(view->SelectAt({r.left, r.top}), 1);
    EXPECT_EQ(Pane(ID_INDICATOR_POS), "Pos (x,y) : ( 1.00 , 1.00 )");
    EXPECT_EQ(Pane(ID_INDICATOR_SIZE), "Size (w,h) : ( 1.00 x 0.50 )");
    view->Pages().SetUnitEverywhere(1);
    EXPECT_EQ(Pane(ID_INDICATOR_POS), "Pos (x,y) : ( 2.54 , 2.54 )");
    EXPECT_EQ(Pane(ID_INDICATOR_SIZE), "Size (w,h) : ( 2.54 x 1.27 )");
    view->Pages().SetUnitEverywhere(0);
    // A new page shows nothing selected.
    view->Pages().OnAppendPage();
    EXPECT_EQ(view->GetCurrentPage(), 2);
    EXPECT_EQ(Pane(ID_INDICATOR_POS), "");
    EXPECT_EQ(Pane(ID_INDICATOR_SIZE), "");
}

TEST_F(FormWindowPanesTest, AfterTileEveryWindowDrawsItsWholeRulers)
{
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    ASSERT_TRUE(app->GetMainFrame()->ExecuteCommand(ID_WINDOW_TILE_HORZ));
    RunEventsFor(50);
    const std::vector<ui::Frame*> children = app->GetMainFrame()->GetChildren();
    ASSERT_EQ(children.size(), 3u);
    for (ui::Frame* child : children) {
        auto* each = dynamic_cast<CChildFrame*>(child);
        ASSERT_NE(each, nullptr);
        auto* shown = dynamic_cast<FBASEVIEW*>(each->GetActiveView());
        ASSERT_NE(shown, nullptr);
        const bool active = child == app->GetMainFrame()->GetActiveChild();
        EXPECT_TRUE(ScaleRunsAlongTheView(*each->GetHorzRuler(), *shown)) << "active " << active;
        EXPECT_TRUE(ScaleRunsAlongTheView(*each->GetVertRuler(), *shown)) << "active " << active;
    }
}

TEST_F(FormWindowPanesTest, TheFillViewsRulersFollowItsScroll)
{
    ASSERT_TRUE(app->SendCommand(*app->GetMainFrame(), ID_VIEW_DESIGN + kFillView));
    RunEventsFor(20);
    auto* shown = dynamic_cast<FBASEVIEW*>(frame->GetActiveView());
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown, view);
    QScrollBar* bar = ui::Splitter::ScrollBarOf(*shown, Qt::Vertical);
    ASSERT_NE(bar, nullptr);
    ASSERT_GT(bar->maximum(), 100);
    RULERBAR* vert = frame->GetVertRuler();
    const QImage top = vert->GetWindow()->Surface().Image().copy();
    bar->setValue(bar->value() + 100);
    RunEventsFor(10);
    const QImage scrolled = vert->GetWindow()->Surface().Image().copy();
    EXPECT_NE(scrolled, top) << "the ticks moved";
    // Back at the top the scale is drawn as it was.
    bar->setValue(bar->minimum());
    RunEventsFor(10);
    EXPECT_EQ(vert->GetWindow()->Surface().Image(), top);
}

} // namespace
