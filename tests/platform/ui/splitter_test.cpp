#include "platform/ui/frame.h"
#include "platform/ui/splitter.h"
#include "platform/ui/view.h"
#include "platform/ui/view_host.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A view named after the pane it was made for, logging the scrolls it gets.
struct PaneView : ui::View {
    PaneView(std::string name, Log& log) : name(std::move(name)), log(log) {}
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
    ui::Splitter splitter{frame, std::make_unique<PaneView>("first", log)};

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
    EXPECT_EQ((std::vector<std::string>{f.Name(0, 0), f.Name(0, 1), f.Name(1, 0), f.Name(1, 1)}),
              (std::vector<std::string>{"first", "first+2", "first+1", "first+1+3"}));

    f.log.clear();
    secondRowBar->setValue(500);
    f.splitter.GetScrollBar(Qt::Horizontal, 1)->setRange(0, 50);
    f.splitter.GetScrollBar(Qt::Horizontal, 1)->setValue(20);
    EXPECT_EQ(f.log, (Log{"first+1 v500", "first+1+3 v500", "first+2 h20", "first+1+3 h20"}));
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
        {true, 9, false}, {true, 10, true}, {true, 500, false}, {false, 9, false}, {false, 200, true}, {false, 420, false},
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
