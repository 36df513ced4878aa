// The Window menu's commands and the splitter's page buttons in the running
// program: New Window numbers the frames of a form, Cascade steps windows
// one can work in, the menu lists the open windows, Arrange Icons lines up
// minimised frames along the bottom, Split tracks both bars from the
// keyboard or the pointer, and the page buttons under each row's bar move
// between pages and to the ends of the first and last page.
#include "tests/app/frames/form_window_fixture.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/splitter_buttons.h"
#include "forms/app/frames/window_commands.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/design/design_pages.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/objects/ffield.h"
#include "forms/res/command_ids.h"

#include "platform/ui/owner_draw_button.h"
#include "platform/ui/splitter.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

class WindowCommandsTest : public FormWindowTest {
protected:
    void SetUp() override
    {
        FormWindowTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        splitter = frame->GetSplitter();
    }
    bool Command(unsigned id) { return app->GetMainFrame()->ExecuteCommand(id); }
    void Key(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(splitter, &press);
    }
    void Mouse(QWidget& window, QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), window.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &e);
    }
    void ClickButton(int row, bool up)
    {
        ui::OwnerDrawButton* button = frame->GetSplitterButtons()->GetButton(row, up);
        ASSERT_NE(button, nullptr);
        QWidget* widget = button->GetWidget();
        Mouse(*widget, QEvent::MouseButtonPress, QPoint(4, 4));
        Mouse(*widget, QEvent::MouseButtonRelease, QPoint(4, 4));
    }
    std::vector<QString> Titles()
    {
        std::vector<QString> titles;
        for (QMdiSubWindow* window : app->GetMainFrame()->GetClientArea()->subWindowList(QMdiArea::CreationOrder))
            titles.push_back(window->windowTitle());
        return titles;
    }

    // The Window menu of the menu bar, brought up to date as when it opens.
    QMenu* WindowMenu()
    {
        for (QAction* action : app->GetMainFrame()->GetWindow()->menuBar()->actions())
            if (action->menu() && action->text() == "&Window") {
                emit action->menu()->aboutToShow();
                return action->menu();
            }
        return nullptr;
    }
    // The window list's items: the text of each, and which one is checked.
    std::pair<std::vector<QString>, int> WindowList()
    {
        std::vector<QString> texts;
        int checked = -1;
        bool list = false;
        for (QAction* action : WindowMenu()->actions()) {
            if (action->isSeparator()) {
                list = true;
                texts.clear();
                continue;
            }
            if (!list || !action->isVisible())
                continue;
            if (action->isChecked())
                checked = static_cast<int>(texts.size());
            texts.push_back(action->text());
        }
        return {texts, checked};
    }

    ui::Splitter* splitter = nullptr;
};

TEST(CascadeRects, StepsWindowsDownAStaircaseAThirdOfTheAreaDeep)
{
    struct Case {
        QSize area;
        int count;
        int step;
        std::vector<QRect> rects;
    } cases[] = {
        // 600 high: 600 / (3 * 20) = 10 steps, windows 200 smaller than the area.
        {{800, 600}, 3, 20, {{0, 0, 600, 400}, {20, 20, 600, 400}, {40, 40, 600, 400}}},
        // A low area has room for one step: the third window starts again.
        {{400, 100}, 3, 20, {{0, 0, 380, 80}, {20, 20, 380, 80}, {0, 0, 380, 80}}},
        // Lower still: no steps, every window fills the area.
        {{400, 50}, 2, 20, {{0, 0, 400, 50}, {0, 0, 400, 50}}},
        {{400, 300}, 0, 20, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CascadeRects(c.area, c.count, c.step), c.rects) << c.area.width() << "x" << c.area.height();
}

TEST_F(WindowCommandsTest, CascadeLeavesWindowsOneCanWorkIn)
{
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    QMdiArea* area = app->GetMainFrame()->GetClientArea();
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 3);
    QMdiSubWindow* active = area->activeSubWindow();
    ASSERT_NE(active, nullptr);
    ASSERT_TRUE(Command(ID_WINDOW_CASCADE));
    RunEventsFor(20);
    const QSize client = area->viewport()->size();
    std::vector<QPoint> corners;
    for (QMdiSubWindow* window : windows) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_GE(window->width(), client.width() * 2 / 3);
        EXPECT_GE(window->height(), client.height() * 2 / 3);
        EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(window->geometry()));
        corners.push_back(window->pos());
    }
    // Each window a title bar below and right of the one under it, the
    // active one on top and still active.
    EXPECT_EQ(area->activeSubWindow(), active);
    EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), active);
    std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    EXPECT_EQ(corners.front(), QPoint(0, 0));
    EXPECT_EQ(active->pos(), corners.back());
    EXPECT_GT(corners[1].y(), 10);
    EXPECT_EQ(corners[1].x(), corners[1].y());
    EXPECT_EQ(corners[2] - corners[1], corners[1] - corners[0]);
}

TEST_F(WindowCommandsTest, WindowMenuListsTheOpenWindowsAndGoesToOne)
{
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    const std::vector<ui::Frame*> children = app->GetMainFrame()->GetChildren();
    ASSERT_EQ(children.size(), 3u);
    std::vector<QString> titles;
    for (ui::Frame* child : children)
        titles.push_back(QString::fromStdString(child->GetActiveDocument()->GetTitle()));
    ASSERT_NE(WindowMenu(), nullptr);
    auto [texts, checked] = WindowList();
    EXPECT_EQ(texts, (std::vector<QString> {"&1 " + titles[0], "&2 " + titles[1], "&3 " + titles[2]}));
    EXPECT_EQ(checked, 2);

    // Choosing the first makes it the active one, maximised as the others
    // were; the list then checks it.
    ASSERT_TRUE(children[2]->IsZoomed());
    QAction* first = nullptr;
    for (QAction* action : WindowMenu()->actions())
        if (action->text() == texts[0])
            first = action;
    ASSERT_NE(first, nullptr);
    first->trigger();
    RunEventsFor(20);
    EXPECT_EQ(app->GetMainFrame()->GetActiveChild(), children[0]);
    EXPECT_TRUE(children[0]->IsZoomed());
    EXPECT_EQ(WindowList().second, 0);

    // A closed window leaves the list, and the others are numbered again.
    ASSERT_TRUE(children[1]->OnClose());
    RunEventsFor(20);
    EXPECT_EQ(WindowList().first, (std::vector<QString> {"&1 " + titles[0], "&2 " + titles[2]}));
}

TEST_F(WindowCommandsTest, NewWindowNumbersTheFramesOfTheForm)
{
    const QString title = QString::fromStdString(view->GetDocument()->GetTitle());
    ASSERT_TRUE(Command(ID_WINDOW_NEW));
    RunEventsFor(20);
    const std::vector<ui::Frame*> children = app->GetMainFrame()->GetChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1]->GetActiveDocument(), view->GetDocument());
    EXPECT_NE(dynamic_cast<FDESIGNVIEW*>(children[1]->GetActiveView()), nullptr);
    EXPECT_EQ(Titles(), (std::vector<QString> {title + ":1", title + ":2"}));
    ASSERT_TRUE(Command(ID_WINDOW_NEW));
    RunEventsFor(20);
    EXPECT_EQ(Titles(), (std::vector<QString> {title + ":1", title + ":2", title + ":3"}));

    // Closing the second renumbers the others; the last one alone shows the
    // plain title.
    EXPECT_TRUE(children[1]->OnClose());
    EXPECT_EQ(Titles(), (std::vector<QString> {title + ":1", title + ":2"}));
    EXPECT_TRUE(app->GetMainFrame()->GetChildren()[1]->OnClose());
    EXPECT_EQ(Titles(), (std::vector<QString> {title}));
    EXPECT_EQ(app->GetMainFrame()->GetChildren().size(), 1u);
}

TEST_F(WindowCommandsTest, ArrangeIconsLinesMinimisedFramesAlongTheBottom)
{
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    QMdiArea* area = app->GetMainFrame()->GetClientArea();
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 3);
    for (QMdiSubWindow* window : windows)
        window->showNormal();
    windows[0]->showMinimized();
    windows[2]->showMinimized();
    windows[0]->move(300, 40);
    windows[2]->move(10, 200);
    RunEventsFor(10);
    ASSERT_TRUE(windows[0]->isMinimized());
    ASSERT_TRUE(windows[2]->isMinimized());
    ASSERT_TRUE(Command(ID_WINDOW_ARRANGE));
    const int bottom = area->viewport()->height();
    EXPECT_EQ(windows[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(windows[2]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(windows[0]->x(), 0);
    EXPECT_EQ(windows[2]->x(), windows[0]->width());
}

TEST_F(WindowCommandsTest, SplitTracksBothBarsFromTheKeyboardAndThePointer)
{
    ASSERT_TRUE(Command(ID_WINDOW_SPLIT));
    ASSERT_TRUE(splitter->IsTrackingSplit());
    const int bar = splitter->GetScrollBar(Qt::Vertical, 0)->width();
    const QPoint centre((splitter->width() - bar) / 2, (splitter->height() - bar) / 2);
    EXPECT_EQ(splitter->GetTrackedSplit(), centre);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(splitter->GetTrackedSplit(), centre + QPoint(30, 15));
    Key(Qt::Key_Return);
    EXPECT_FALSE(splitter->IsTrackingSplit());
    ASSERT_EQ(splitter->GetRowCount(), 2);
    ASSERT_EQ(splitter->GetColumnCount(), 2);
    EXPECT_EQ(splitter->GetRowHeight(0), centre.y() + 15);
    EXPECT_EQ(splitter->GetColumnWidth(0), centre.x() + 30);

    // Esc leaves the splits where they were.
    ASSERT_TRUE(Command(ID_WINDOW_SPLIT));
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(splitter->IsTrackingSplit());
    EXPECT_EQ(splitter->GetRowHeight(0), centre.y() + 15);
    EXPECT_EQ(splitter->GetColumnWidth(0), centre.x() + 30);

    // The pointer moves both bars, a click fixes them.
    ASSERT_TRUE(Command(ID_WINDOW_SPLIT));
    Mouse(*splitter, QEvent::MouseMove, QPoint(200, 150));
    EXPECT_EQ(splitter->GetTrackedSplit(), QPoint(200, 150));
    Mouse(*splitter, QEvent::MouseButtonPress, QPoint(210, 160));
    EXPECT_FALSE(splitter->IsTrackingSplit());
    EXPECT_EQ(splitter->GetRowHeight(0), 160);
    EXPECT_EQ(splitter->GetColumnWidth(0), 210);
}

TEST_F(WindowCommandsTest, PageButtonsStandUnderEachRowsBar)
{
    SplitterButtons* buttons = frame->GetSplitterButtons();
    ASSERT_NE(buttons, nullptr);
    QScrollBar* bar = splitter->GetScrollBar(Qt::Vertical, 0);
    for (const bool up : {true, false}) {
        ui::OwnerDrawButton* button = buttons->GetButton(0, up);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetDlgCtrlID(), up ? 982 : 983);
        const gdi::RECT r = button->GetWindowRect();
        EXPECT_EQ(r.bottom - r.top, 16);
        EXPECT_EQ(r.right - r.left, bar->width() + 1);
        EXPECT_EQ(r.top, bar->geometry().bottom() + 1 + (up ? 0 : 16));
    }
    EXPECT_EQ(buttons->GetButton(1, true), nullptr) << "made on first use";
    ASSERT_TRUE(splitter->SplitRow(300));
    RunEventsFor(10);
    ASSERT_NE(buttons->GetButton(1, false), nullptr);
    EXPECT_EQ(buttons->GetButton(1, false)->GetDlgCtrlID(), 985);
    EXPECT_TRUE(buttons->GetButton(1, false)->GetWidget()->isVisible());
    EXPECT_EQ(buttons->GetButton(1, true)->GetWindowRect().top,
        splitter->GetScrollBar(Qt::Vertical, 1)->geometry().bottom() + 1);
    splitter->DeleteRow(1);
    RunEventsFor(10);
    EXPECT_FALSE(buttons->GetButton(1, false)->GetWidget()->isVisible());
}

TEST_F(WindowCommandsTest, PageButtonsOnTheFirstAndLastPage)
{
    view->Pages().OnAppendPage();
    view->SetPage(1);
    view->OnPageChanged();
    RunEventsFor(10);
    QScrollBar* bar = splitter->GetScrollBar(Qt::Vertical, 0);
    ASSERT_GT(bar->maximum(), 0) << "the page is taller than the pane";
    const int middle = bar->maximum() / 2;

    // Up on the first page only scrolls to the top.
    bar->setValue(middle);
    ClickButton(0, true);
    EXPECT_EQ(view->GetCurrentPage(), 1);
    EXPECT_EQ(bar->value(), bar->minimum());
    // Down goes to the next page, at its top.
    bar->setValue(middle);
    ClickButton(0, false);
    EXPECT_EQ(view->GetCurrentPage(), 2);
    EXPECT_EQ(bar->value(), bar->minimum());
    // Down on the last page scrolls to its bottom, and stays there.
    ClickButton(0, false);
    EXPECT_EQ(view->GetCurrentPage(), 2);
    EXPECT_EQ(bar->value(), bar->maximum());
    ClickButton(0, false);
    EXPECT_EQ(view->GetCurrentPage(), 2);
    EXPECT_EQ(bar->value(), bar->maximum());
    // Up goes back a page.
    ClickButton(0, true);
    EXPECT_EQ(view->GetCurrentPage(), 1);
    EXPECT_EQ(bar->value(), bar->minimum());
}

TEST_F(WindowCommandsTest, CtrlPageKeysGoBetweenPagesInTheDesignAndFillViews)
{
    view->Pages().OnAppendPage();
    // A field on page 1: in the fill view its editor has the keys first,
    // and is hidden while another page is shown.
    std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeField);
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(made->Init());
    made->SetRect(1440, 1440, 4320, 1740);
    auto* field = static_cast<FFIELD*>(made.get());
    field->SetFieldID(doc->GetNextFieldID());
    doc->GetObjects().SetObjectPage(std::move(made), 1);
    doc->InsertFieldInOrder(field, false);
    view->SetPage(1);
    view->OnPageChanged();
    RunEventsFor(10);
    QScrollBar* bar = splitter->GetScrollBar(Qt::Vertical, 0);
    ASSERT_GT(bar->maximum(), 0) << "the page is taller than the pane";
    enum Place { Top, Bottom, PageDown };
    constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers none = Qt::NoModifier;
    // The modifiers as the page key goes down and as it comes up: Ctrl let
    // go first still makes the key a Ctrl key.
    struct Step {
        int key;
        Qt::KeyboardModifiers down;
        Qt::KeyboardModifiers up;
        int page;
        Place place;
    } steps[] = {
        {Qt::Key_PageDown, ctrl, ctrl, 2, Top},
        {Qt::Key_PageDown, ctrl, ctrl, 2, Bottom},
        {Qt::Key_PageDown, ctrl, none, 2, Bottom},
        {Qt::Key_PageUp, ctrl, none, 1, Top},
        {Qt::Key_PageUp, ctrl, ctrl, 1, Top},
        {Qt::Key_PageDown, ctrl, none, 2, Top},
        {Qt::Key_PageUp, ctrl, ctrl, 1, Top},
        {Qt::Key_PageDown, none, none, 1, PageDown},
    };
    for (const bool fill : {false, true}) {
        if (fill) {
            ASSERT_TRUE(app->SendCommand(*app->GetMainFrame(), ID_VIEW_DESIGN + kFillView));
        }
        RunEventsFor(20);
        auto* shown = dynamic_cast<FBASEVIEW*>(frame->GetActiveView());
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->GetCurrentPage(), 1);
        // Each key goes where the user's keys go: to the window with the
        // focus, pressed with Ctrl held and let go.
        shown->GetWindow()->setFocus();
        RunEventsFor(10);
        for (const Step& step : steps) {
            // Every step starts half-way down the page.
            bar->setValue(bar->maximum() / 2);
            const int before = bar->value();
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QKeyEvent press(QEvent::KeyPress, step.key, step.down);
            QCoreApplication::sendEvent(focus, &press);
            QKeyEvent release(QEvent::KeyRelease, step.key, step.up);
            QCoreApplication::sendEvent(focus, &release);
            RunEventsFor(10);
            const std::string where = (fill ? "fill, " : "design, ") + std::to_string(&step - steps);
            EXPECT_EQ(shown->GetCurrentPage(), step.page) << where;
            switch (step.place) {
            case Top:
                EXPECT_EQ(bar->value(), bar->minimum()) << where;
                break;
            case Bottom:
                EXPECT_EQ(bar->value(), bar->maximum()) << where;
                break;
            case PageDown:
                EXPECT_EQ(bar->value(), std::min(before + bar->pageStep(), bar->maximum())) << where;
                break;
            }
        }
    }
}

} // namespace
