// A form's window split into four design views in the running program:
// the user drags both split boxes, scrolls each pane, and selects and
// deletes in one pane while another held a selection; the panes never
// share a selection, and the other pane's objects stay.
#include "tests/app/support/started_app.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "forms/model/tracker_geometry.h"
#include "forms/objects/fselection.h"

#include "platform/ui/splitter.h"
#include "platform/ui/view_host.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

void SendMouse(QWidget& window, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), window.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &e);
}

class DesignerSplitTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        app = StartApp({}, FormAppClasses());
        frame = dynamic_cast<CChildFrame*>(app->GetMainFrame()->GetActiveChild());
        ASSERT_NE(frame, nullptr);
        app->GetMainFrame()->GetWindow()->resize(1000, 800);
        RunEventsFor(50);
        splitter = frame->GetSplitter();
        ASSERT_TRUE(splitter->isVisible());
        doc = dynamic_cast<FDOCUMENT*>(frame->GetActiveDocument());
        ASSERT_NE(doc, nullptr);
        // Two boxes side by side, in sight of every pane.
        left = Add({2160, 2160, 3600, 3600});
        right = Add({5040, 2160, 6480, 3600});
    }
    void TearDown() override
    {
        if (!app)
            return;
        // A test may have closed the form already, and its document with it.
        if (!app->GetMainFrame()->GetChildren().empty()) {
            doc->SetModified(false);
            EXPECT_TRUE(frame->OnClose());
        }
        CloseApp(*app);
    }

    FORMOBJ* Add(RECT r)
    {
        std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeBox);
        made->SetRect(r.left, r.top, r.right, r.bottom);
        FORMOBJ* added = made.get();
        doc->GetObjects().SetObjectPage(std::move(made), 1);
        return added;
    }

    // The user drags a split box of the splitter.
    void DragSplitter(QPoint from, QPoint to)
    {
        SendMouse(*splitter, QEvent::MouseButtonPress, from);
        SendMouse(*splitter, QEvent::MouseMove, to);
        SendMouse(*splitter, QEvent::MouseButtonRelease, to);
        RunEventsFor(20);
    }
    void SplitFourWays()
    {
        DragSplitter({splitter->width() - 3, 2}, {splitter->width() - 3, 300});
        DragSplitter({2, splitter->height() - 3}, {460, splitter->height() - 3});
        ASSERT_EQ(splitter->GetRowCount(), 2);
        ASSERT_EQ(splitter->GetColumnCount(), 2);
    }

    FDESIGNVIEW* Pane(int row, int column) const { return dynamic_cast<FDESIGNVIEW*>(splitter->GetPane(row, column)); }
    QWidget& Window(int row, int column) const { return *splitter->GetPaneWindow(row, column); }

    // A click on the centre of an object in a pane; the release is posted
    // first for the tracking loop the press may start.
    void ClickOn(int row, int column, const FORMOBJ* object)
    {
        RECT r;
        object->GetRect(r);
        FDESIGNVIEW& view = *Pane(row, column);
        POINT p;
        {
            VIEWDC dc(&view);
            view.SetupOwnDC(dc);
            p = LogicalToDevice(dc, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        }
        QWidget& window = Window(row, column);
        const QPointF at(p.x, p.y);
        QCoreApplication::postEvent(&window,
            new QMouseEvent(
                QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        SendMouse(window, QEvent::MouseButtonPress, QPoint(p.x, p.y));
        RunEventsFor(10);
    }
    void PressDelete(int row, int column)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(row, column), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(row, column), &release);
        RunEventsFor(10);
    }
    int32_t SelectedIn(int row, int column) const { return Pane(row, column)->GetSelection()->GetCount(); }
    std::vector<FORMOBJ*> Objects() const
    {
        std::vector<FORMOBJ*> all;
        for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
            all.push_back(o);
        return all;
    }

    std::unique_ptr<FORMSAPP> app;
    CChildFrame* frame = nullptr;
    ui::Splitter* splitter = nullptr;
    FDOCUMENT* doc = nullptr;
    FORMOBJ* left = nullptr;
    FORMOBJ* right = nullptr;
};

TEST_F(DesignerSplitTest, SplitBothWaysEachPaneScrollsWithItsOwnBars)
{
    SplitFourWays();
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            ASSERT_NE(Pane(r, c), nullptr) << r << "," << c;
            EXPECT_TRUE(Window(r, c).isVisible());
            EXPECT_EQ(Pane(r, c)->GetScrollPos().x, 0);
            EXPECT_EQ(Pane(r, c)->GetScrollPos().y, 0);
        }
    EXPECT_EQ(frame->GetActiveView(), Pane(0, 0));

    // Each bar in turn moves the page in the panes along it, and only there.
    struct Case {
        Qt::Orientation orientation;
        int index;
    };
    const Case cases[] = {{Qt::Vertical, 0}, {Qt::Vertical, 1}, {Qt::Horizontal, 0}, {Qt::Horizontal, 1}};
    for (const Case& c : cases) {
        int32_t before[2][2];
        for (int r = 0; r < 2; ++r)
            for (int col = 0; col < 2; ++col) {
                const POINT at = Pane(r, col)->GetScrollPos();
                before[r][col] = c.orientation == Qt::Vertical ? at.y : at.x;
            }
        QScrollBar* bar = splitter->GetScrollBar(c.orientation, c.index);
        ASSERT_GT(bar->maximum(), 40);
        bar->setValue(40);
        RunEventsFor(10);
        for (int r = 0; r < 2; ++r)
            for (int col = 0; col < 2; ++col) {
                const POINT at = Pane(r, col)->GetScrollPos();
                const int32_t now = c.orientation == Qt::Vertical ? at.y : at.x;
                const bool along = (c.orientation == Qt::Vertical ? r : col) == c.index;
                if (along)
                    EXPECT_GT(now, before[r][col]) << c.orientation << c.index << " pane " << r << "," << col;
                else
                    EXPECT_EQ(now, before[r][col]) << c.orientation << c.index << " pane " << r << "," << col;
            }
    }

    EXPECT_TRUE(frame->OnClose());
    EXPECT_TRUE(app->GetMainFrame()->GetChildren().empty());
}

TEST_F(DesignerSplitTest, DeleteInOnePaneNeverTakesTheOtherPanesObject)
{
    SplitFourWays();
    // The upper-left pane selects the left box; the lower-right pane then
    // gains activation by a click on the right box, or by the keyboard's
    // focus alone, and the user presses Delete there.
    for (const bool clickRight : {true, false}) {
        const std::vector<FORMOBJ*> before = Objects();
        ClickOn(0, 0, left);
        ASSERT_EQ(SelectedIn(0, 0), 1);
        ASSERT_TRUE(left->IsSelected(nullptr));
        if (clickRight) {
            ClickOn(1, 1, right);
        } else {
            Window(1, 1).setFocus();
            RunEventsFor(10);
        }
        EXPECT_EQ(frame->GetActiveView(), Pane(1, 1)) << clickRight;
        EXPECT_EQ(SelectedIn(0, 0), 0) << clickRight;
        EXPECT_FALSE(left->IsSelected(nullptr)) << clickRight;
        EXPECT_EQ(SelectedIn(1, 1), clickRight ? 1 : 0);
        PressDelete(1, 1);
        const std::vector<FORMOBJ*> after = Objects();
        EXPECT_EQ(std::count(after.begin(), after.end(), left), 1) << clickRight;
        EXPECT_EQ(std::count(after.begin(), after.end(), right), clickRight ? 0 : 1) << clickRight;
        EXPECT_EQ(after.size(), before.size() - (clickRight ? 1 : 0));
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                EXPECT_EQ(SelectedIn(r, c), 0) << r << "," << c;
        if (clickRight)
            right = Add({5040, 2160, 6480, 3600});
    }
}

TEST_F(DesignerSplitTest, OnlyTheActivePaneShowsHandlesAndAClosedPaneLeavesNothingSelected)
{
    SplitFourWays();
    ClickOn(1, 0, right);
    ASSERT_EQ(SelectedIn(1, 0), 1);
    EXPECT_EQ(frame->GetActiveView(), Pane(1, 0));
    EXPECT_TRUE(Pane(1, 0)->IsActiveView());
    for (const auto& [r, c] : {std::pair {0, 0}, std::pair {0, 1}, std::pair {1, 1}})
        EXPECT_FALSE(Pane(r, c)->IsActiveView()) << r << "," << c;

    // The user drags the split bar to the bottom: the lower row, with the
    // active pane and its selection, goes.
    const int barY = splitter->GetRowHeight(0) + 2;
    DragSplitter({100, barY}, {100, splitter->height() - 2});
    ASSERT_EQ(splitter->GetRowCount(), 1);
    EXPECT_EQ(frame->GetActiveView(), Pane(0, 0));
    EXPECT_TRUE(Pane(0, 0)->IsActiveView());
    EXPECT_FALSE(right->IsSelected(nullptr));
    PressDelete(0, 0);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {left, right}));
}

TEST_F(DesignerSplitTest, AnotherFormsWindowTakesTheHandlesButLeavesTheSelection)
{
    ClickOn(0, 0, left);
    FDESIGNVIEW* first = Pane(0, 0);
    ASSERT_EQ(SelectedIn(0, 0), 1);
    ASSERT_TRUE(first->IsActiveView());

    ASSERT_NE(app->GetDocTemplate()->OpenNewDocument(), nullptr);
    RunEventsFor(20);
    ui::Frame* second = app->GetMainFrame()->GetActiveChild();
    ASSERT_NE(second, frame);
    auto* other = dynamic_cast<FDESIGNVIEW*>(second->GetActiveView());
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(other->IsActiveView());
    EXPECT_FALSE(first->IsActiveView());
    EXPECT_EQ(SelectedIn(0, 0), 1);
    EXPECT_TRUE(left->IsSelected(nullptr));

    app->GetMainFrame()->SetActiveChild(frame);
    RunEventsFor(20);
    EXPECT_TRUE(first->IsActiveView());
    EXPECT_FALSE(other->IsActiveView());
    EXPECT_EQ(SelectedIn(0, 0), 1);
    EXPECT_TRUE(second->OnClose());
}

} // namespace
