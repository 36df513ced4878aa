#include "frame_fixture.h"
#include "tests/common/run_events.h"

#include "platform/ui/frame.h"
#include "platform/ui/splitter.h"
#include "platform/ui/view.h"
#include "platform/ui/view_host.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A view named after the pane it was made for, logging the scrolls it gets.
struct PaneView : ui::View {
    PaneView(std::string name, Log& log)
        : name(std::move(name))
        , log(log)
    {}
    void OnScroll(Qt::Orientation orientation, int position) override
    {
        log.push_back(name + (orientation == Qt::Vertical ? " v" : " h") + std::to_string(position));
    }
    std::string name;
    Log& log;
};

struct SplitFixture {
    Log log;
    int made = 0;
    ui::Frame frame;
    ui::Splitter splitter {frame, std::make_unique<PaneView>("first", log)};

    SplitFixture()
    {
        splitter.SetViewFactory([this](ui::View& like) {
            return std::make_unique<PaneView>(static_cast<PaneView&>(like).name + "+" + std::to_string(++made), log);
        });
        splitter.resize(416, 316);
    }
    std::string Name(int row, int column) const
    {
        auto* view = static_cast<PaneView*>(splitter.GetPane(row, column));
        return view ? view->name : "-";
    }
};

void Mouse(QWidget& w, QEvent::Type type, QPoint pos)
{
    Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w.mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

// A view that, as the form views do, asks for its pane's bars whenever its
// window is resized or shown, and logs its activation and its end.
struct AskingView : PaneView {
    using PaneView::PaneView;
    ~AskingView() override { log.push_back("~" + name); }
    bool OnEvent(QEvent& e) override
    {
        if (e.type() == QEvent::Resize || e.type() == QEvent::Show)
            if (!ui::Splitter::ScrollBarOf(*this, Qt::Vertical) || !ui::Splitter::ScrollBarOf(*this, Qt::Horizontal))
                log.push_back(name + " has no bars");
        return false;
    }
    void OnActivateView(bool activate, ui::View* activated, ui::View* deactivated) override
    {
        auto nameOf = [](ui::View* view) { return view ? static_cast<AskingView*>(view)->name : std::string("none"); };
        log.push_back(name + (activate ? " on, from " + nameOf(deactivated) : " off, to " + nameOf(activated)));
    }
};

// A child frame of a shown main window with a splitter as its client.
struct ShownSplitFixture : FrameFixture {
    Log log;
    int made = 0;
    ui::Frame* frame = main.AddChild(std::make_unique<ui::Frame>(), true);
    ui::Splitter* splitter = new ui::Splitter(*frame, std::make_unique<AskingView>("first", log));

    ShownSplitFixture()
    {
        splitter->SetViewFactory([this](ui::View& like) {
            return std::make_unique<AskingView>(static_cast<PaneView&>(like).name + "+" + std::to_string(++made), log);
        });
        frame->SetClient(splitter);
        RunEventsFor(20);
    }
    // The views log to the end: the frame goes before the log does.
    ~ShownSplitFixture()
    {
        if (!main.GetChildren().empty())
            frame->OnClose();
    }
    std::string Name(int row, int column) const { return static_cast<PaneView*>(splitter->GetPane(row, column))->name; }
    // The user drags from one point of the splitter to another.
    void DragSplitter(QPoint from, QPoint to)
    {
        Mouse(*splitter, QEvent::MouseButtonPress, from);
        Mouse(*splitter, QEvent::MouseMove, (from + to) / 2);
        Mouse(*splitter, QEvent::MouseMove, to);
        Mouse(*splitter, QEvent::MouseButtonRelease, to);
        RunEventsFor(20);
    }
};

TEST(ShownSplitter, SplitsBothWaysScrollsEachPaneAndCloses)
{
    ShownSplitFixture f;
    ASSERT_TRUE(f.splitter->isVisible());
    const int barX = f.splitter->width() - 2;
    const int barY = f.splitter->height() - 2;
    struct Step {
        QPoint from, to;
        int rows, columns;
    };
    // The row split box at the top of the vertical bar, then the column
    // split box at the left of the horizontal one.
    const Step steps[] = {{{barX, 2}, {barX, 120}, 2, 1}, {{2, barY}, {200, barY}, 2, 2}};
    for (const Step& step : steps) {
        f.DragSplitter(step.from, step.to);
        EXPECT_EQ(f.splitter->GetRowCount(), step.rows);
        EXPECT_EQ(f.splitter->GetColumnCount(), step.columns);
    }
    EXPECT_EQ(f.splitter->GetRowHeight(0), 120);
    EXPECT_EQ(f.splitter->GetColumnWidth(0), 200);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(f.splitter->GetPaneWindow(r, c)->isVisible()) << r << "," << c;
    EXPECT_EQ(
        std::count_if(f.log.begin(), f.log.end(), [](const std::string& line) { return line.ends_with("bars"); }), 0)
        << f.log.front();
    EXPECT_EQ(f.frame->GetActiveView(), f.splitter->GetPane(0, 0));

    // Each bar scrolls its own row or column.
    f.log.clear();
    for (int i = 0; i < 2; ++i)
        for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
            QScrollBar* bar = f.splitter->GetScrollBar(orientation, i);
            bar->setRange(0, 500);
            bar->setValue(100 + i * 10);
        }
    EXPECT_EQ(f.log,
        (Log {"first v100", "first+2 v100", "first h100", "first+1 h100", "first+1 v110", "first+1+3 v110",
            "first+2 h110", "first+1+3 h110"}));

    EXPECT_TRUE(f.frame->OnClose());
    RunEventsFor(20);
    EXPECT_TRUE(f.main.GetChildren().empty());
    EXPECT_EQ(std::count_if(f.log.begin(), f.log.end(), [](const std::string& line) { return line[0] == '~'; }), 4);
}

TEST(ShownSplitter, APaneTakesActivationByPressAndByFocusTellingBothViews)
{
    ShownSplitFixture f;
    ASSERT_TRUE(f.splitter->SplitRow(100));
    ASSERT_TRUE(f.splitter->SplitColumn(150));
    f.log.clear();

    Mouse(*f.splitter->GetPaneWindow(1, 1), QEvent::MouseButtonPress, QPoint(5, 5));
    Mouse(*f.splitter->GetPaneWindow(1, 1), QEvent::MouseButtonRelease, QPoint(5, 5));
    f.splitter->GetPaneWindow(0, 1)->setFocus();
    RunEventsFor(20);
    // Again the active pane: nothing to tell.
    Mouse(*f.splitter->GetPaneWindow(0, 1), QEvent::MouseButtonPress, QPoint(5, 5));
    Mouse(*f.splitter->GetPaneWindow(0, 1), QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(f.frame->GetActiveView(), f.splitter->GetPane(0, 1));
    EXPECT_EQ(f.log,
        (Log {"first off, to first+1+3", "first+1+3 on, from first", "first+1+3 off, to first+2",
            "first+2 on, from first+1+3"}));

    // The active pane's column goes: its view hands activation on while
    // it still exists.
    f.log.clear();
    f.splitter->DeleteColumn(1);
    EXPECT_EQ(f.frame->GetActiveView(), f.splitter->GetPane(0, 0));
    EXPECT_EQ(f.log, (Log {"first+2 off, to first", "first on, from first+2", "~first+1+3", "~first+2"}));
}

TEST(Splitter, EachBarScrollsEveryPaneAlongItsRowOrColumn)
{
    SplitFixture f;
    QScrollBar* firstRowBar = f.splitter.GetScrollBar(Qt::Vertical, 0);
    firstRowBar->setRange(0, 1000);
    firstRowBar->setValue(300);
    f.log.clear();
    ASSERT_TRUE(f.splitter.SplitRow(100));
    ASSERT_TRUE(f.splitter.SplitColumn(150));
    // The new row's bar starts where the first row's was.
    QScrollBar* secondRowBar = f.splitter.GetScrollBar(Qt::Vertical, 1);
    EXPECT_EQ(secondRowBar->maximum(), 1000);
    EXPECT_EQ(secondRowBar->value(), 300);
    EXPECT_EQ((std::vector<std::string> {f.Name(0, 0), f.Name(0, 1), f.Name(1, 0), f.Name(1, 1)}),
        (std::vector<std::string> {"first", "first+2", "first+1", "first+1+3"}));

    f.log.clear();
    secondRowBar->setValue(500);
    f.splitter.GetScrollBar(Qt::Horizontal, 1)->setRange(0, 50);
    f.splitter.GetScrollBar(Qt::Horizontal, 1)->setValue(20);
    EXPECT_EQ(f.log, (Log {"first+1 v500", "first+1+3 v500", "first+2 h20", "first+1+3 h20"}));
    EXPECT_EQ(firstRowBar->value(), 300);

    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            ui::View& view = *f.splitter.GetPane(r, c);
            EXPECT_EQ(ui::Splitter::ScrollBarOf(view, Qt::Vertical), f.splitter.GetScrollBar(Qt::Vertical, r));
            EXPECT_EQ(ui::Splitter::ScrollBarOf(view, Qt::Horizontal), f.splitter.GetScrollBar(Qt::Horizontal, c));
        }
    PaneView loose("loose", f.log);
    EXPECT_EQ(ui::Splitter::ScrollBarOf(loose, Qt::Vertical), nullptr);
}

TEST(Splitter, SplitsThatWouldLeaveTooSmallAPaneAreRefused)
{
    // 416 x 316 less the bars leaves the panes about 400 x 300.
    struct Case {
        bool rows;
        int at;
        bool made;
    } cases[] = {
        {true, 9, false},
        {true, 10, true},
        {true, 500, false},
        {false, 9, false},
        {false, 200, true},
        {false, 420, false},
    };
    for (const Case& c : cases) {
        SplitFixture f;
        EXPECT_EQ(c.rows ? f.splitter.SplitRow(c.at) : f.splitter.SplitColumn(c.at), c.made) << c.at;
        EXPECT_EQ(c.rows ? f.splitter.GetRowCount() : f.splitter.GetColumnCount(), c.made ? 2 : 1);
        if (c.made) {
            EXPECT_FALSE(c.rows ? f.splitter.SplitRow(c.at) : f.splitter.SplitColumn(c.at));
        }
    }
}

TEST(Splitter, SplitPositionMovesAndASplitDraggedToTheEdgeGoes)
{
    SplitFixture f;
    ASSERT_TRUE(f.splitter.SplitRow(100));
    EXPECT_EQ(f.splitter.GetRowHeight(0), 100);
    f.splitter.SetRowHeight(0, 140);
    EXPECT_EQ(f.splitter.GetRowHeight(0), 140);
    EXPECT_EQ(f.splitter.GetPaneWindow(1, 0)->y(), 140 + ui::Splitter::splitBarSize);
    EXPECT_EQ(f.splitter.GetRowHeight(0) + f.splitter.GetRowHeight(1) + ui::Splitter::splitBarSize,
        f.splitter.GetPaneWindow(1, 0)->geometry().bottom() + 1);

    // The lower pane is active; the user drags the split bar up to the top.
    f.splitter.SetActivePane(1, 0);
    EXPECT_EQ(f.frame.GetActiveView(), f.splitter.GetPane(1, 0));
    Mouse(f.splitter, QEvent::MouseButtonPress, QPoint(50, 142));
    Mouse(f.splitter, QEvent::MouseMove, QPoint(50, 60));
    EXPECT_EQ(f.splitter.GetRowHeight(0), 60);
    Mouse(f.splitter, QEvent::MouseButtonRelease, QPoint(50, 4));
    EXPECT_EQ(f.splitter.GetRowCount(), 1);
    EXPECT_EQ(f.Name(0, 0), "first+1");
    EXPECT_EQ(f.frame.GetActiveView(), f.splitter.GetPane(0, 0));

    // Dragging the split box at the top of the vertical bar splits again.
    const int barX = f.splitter.width() - 2;
    Mouse(f.splitter, QEvent::MouseButtonPress, QPoint(barX, 2));
    Mouse(f.splitter, QEvent::MouseButtonRelease, QPoint(barX, 120));
    EXPECT_EQ(f.splitter.GetRowCount(), 2);
    EXPECT_EQ(f.splitter.GetRowHeight(0), 120);
    EXPECT_THROW(f.splitter.GetPane(0, 1), std::out_of_range);
}

TEST(Splitter, DeletingTheActivePanesRowActivatesARemainingPane)
{
    SplitFixture f;
    ASSERT_TRUE(f.splitter.SplitColumn(200));
    f.splitter.SetActivePane(0, 0);
    f.splitter.DeleteColumn(0);
    EXPECT_EQ(f.Name(0, 0), "first+1");
    EXPECT_EQ(f.frame.GetActiveView(), f.splitter.GetPane(0, 0));
    EXPECT_THROW(f.splitter.DeleteColumn(0), std::out_of_range);
}

TEST(Splitter, ANewViewTakesThePanesWindowAndActivity)
{
    SplitFixture f;
    ui::ViewHost* window = f.splitter.GetPaneWindow(0, 0);
    auto old = f.splitter.SetPaneView(0, 0, std::make_unique<PaneView>("fill", f.log));
    EXPECT_EQ(static_cast<PaneView*>(old.get())->name, "first");
    EXPECT_EQ(old->GetWindow(), nullptr);
    EXPECT_EQ(f.splitter.GetPaneWindow(0, 0), window);
    EXPECT_EQ(f.splitter.GetPane(0, 0)->GetWindow(), window);
    EXPECT_EQ(f.frame.GetActiveView(), f.splitter.GetPane(0, 0));
}

} // namespace
