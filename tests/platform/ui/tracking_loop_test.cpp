#include "platform/ui/app.h"
#include "platform/ui/tracking_loop.h"
#include "platform/ui/wnd.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using ui::TrackKind;

struct Seen {
    TrackKind kind;
    QPoint pos;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s)
{
    return os << int(s.kind) << "@" << s.pos.x() << "," << s.pos.y();
}

// A window whose left button press starts a tracking loop, as a design view's does.
class TrackingWidget : public QWidget {
public:
    std::function<bool(const ui::TrackEvent&)> goOn = [](const ui::TrackEvent&) { return true; };
    std::vector<Seen> seen;
    std::vector<QPoint> movesAfter;
    TrackKind result = TrackKind::Move;
    int paints = 0;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        result = ui::RunTrackingLoop(*this, [this](const ui::TrackEvent& t) {
            if (t.kind == TrackKind::CaptureLost)
                seen.push_back({t.kind, {}});
            else
                seen.push_back({t.kind, t.pos});
            return t.kind == TrackKind::Move && goOn(t);
        });
    }
    void mouseMoveEvent(QMouseEvent* e) override { movesAfter.push_back(e->position().toPoint()); }
    void paintEvent(QPaintEvent*) override { ++paints; }
};

QMouseEvent* Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    return new QMouseEvent(type, QPointF(pos), QPointF(pos), button, buttons, Qt::NoModifier);
}

void PostMove(QWidget& w, QPoint pos)
{
    QCoreApplication::postEvent(&w, Mouse(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton));
}

void PostRelease(QWidget& w, QPoint pos)
{
    QCoreApplication::postEvent(&w, Mouse(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton));
}

void Press(QWidget& w, QPoint pos)
{
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(pos), QPointF(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
}

struct Tracking : testing::Test {
    Tracking()
    {
        window.resize(200, 200);
        window.show();
        QCoreApplication::processEvents();
    }
    ui::App app;
    TrackingWidget window;
};

TEST_F(Tracking, LoopDeliversWhatEndsItAndThenReturns)
{
    struct Case {
        const char* name;
        std::function<void(QWidget&)> post;
        std::vector<Seen> expected;
        TrackKind result;
    } cases[] = {
        {"release",
            [](QWidget& w) {
                PostMove(w, {10, 10});
                PostMove(w, {20, 25});
                PostRelease(w, {20, 25});
            },
            {{TrackKind::Move, {10, 10}}, {TrackKind::Move, {20, 25}}, {TrackKind::Release, {20, 25}}},
            TrackKind::Release},
        {"escape",
            [](QWidget& w) {
                PostMove(w, {5, 6});
                QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            },
            {{TrackKind::Move, {5, 6}}, {TrackKind::Escape, {}}}, TrackKind::Escape},
        {"right button",
            [](QWidget& w) {
                QCoreApplication::postEvent(
                    &w, Mouse(QEvent::MouseButtonPress, {7, 8}, Qt::RightButton, Qt::LeftButton | Qt::RightButton));
            },
            {{TrackKind::RightButton, {7, 8}}}, TrackKind::RightButton},
        {"window hidden",
            [](QWidget& w) {
                PostMove(w, {1, 2});
                QTimer::singleShot(0, &w, [&w] { w.hide(); });
            },
            {{TrackKind::Move, {1, 2}}, {TrackKind::CaptureLost, {}}}, TrackKind::CaptureLost},
    };
    for (const Case& c : cases) {
        window.show();
        window.seen.clear();
        c.post(window);
        Press(window, {3, 3});
        EXPECT_EQ(window.seen, c.expected) << c.name;
        EXPECT_EQ(window.result, c.result) << c.name;
        QCoreApplication::sendPostedEvents();
    }
}

TEST_F(Tracking, EventsAfterTheLoopEndsGoToTheWindowAsUsual)
{
    window.goOn = [](const ui::TrackEvent&) { return false; };
    PostMove(window, {10, 10});
    PostMove(window, {11, 12});
    Press(window, {3, 3});
    EXPECT_EQ(window.seen, (std::vector<Seen> {{TrackKind::Move, {10, 10}}}));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.movesAfter, std::vector<QPoint> {QPoint(11, 12)});
}

TEST_F(Tracking, MovesOverAChildWindowArriveInTheTrackingWindowsCoordinates)
{
    auto* child = new QWidget(&window);
    child->setGeometry(50, 40, 30, 30);
    child->show();
    PostMove(*child, {5, 5});
    PostRelease(*child, {6, 7});
    Press(window, {3, 3});
    EXPECT_EQ(window.seen, (std::vector<Seen> {{TrackKind::Move, {55, 45}}, {TrackKind::Release, {56, 47}}}));
}

struct CountingWnd : ui::Wnd {
    void OnTimer(unsigned) override { ++ticks; }
    int ticks = 0;
};

TEST_F(Tracking, TimersAndPaintsGoOnDuringTheLoop)
{
    CountingWnd timed;
    int ticksAtRelease = -1, paintsAtRelease = -1;
    const int paintsBefore = window.paints;
    timed.SetTimer(1, 10);
    QTimer::singleShot(80, &window, [&] {
        window.update();
        QTimer::singleShot(40, &window, [&] { PostRelease(window, {0, 0}); });
    });
    window.goOn = [&](const ui::TrackEvent&) { return true; };
    std::vector<Seen> expected {{TrackKind::Release, {0, 0}}};
    Press(window, {3, 3});
    ticksAtRelease = timed.ticks;
    paintsAtRelease = window.paints;
    EXPECT_EQ(window.seen, expected);
    EXPECT_GT(ticksAtRelease, 0);
    EXPECT_GT(paintsAtRelease, paintsBefore);
}

TEST_F(Tracking, ExceptionFromTheHandlerEndsTheLoopAndReachesTheCaller)
{
    PostMove(window, {1, 1});
    PostMove(window, {2, 2});
    EXPECT_THROW(ui::RunTrackingLoop(window, [](const ui::TrackEvent&) -> bool { throw std::runtime_error("x"); }),
        std::runtime_error);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.movesAfter, std::vector<QPoint> {QPoint(2, 2)}) << "the tracker is gone";
}

} // namespace
