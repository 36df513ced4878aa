#include "platform/ui/cursor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A window logging the mouse events it gets, with their positions.
struct MouseWindow : QWidget {
    MouseWindow(std::string name, std::vector<std::string>& log)
        : name(std::move(name))
        , log(log)
    {}
    void mousePressEvent(QMouseEvent* e) override { Log("press", e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Log("release", e); }
    void Log(const char* what, QMouseEvent* e)
    {
        QPoint p = e->position().toPoint();
        log.push_back(name + " " + what + " " + std::to_string(p.x()) + "," + std::to_string(p.y()));
    }
    std::string name;
    std::vector<std::string>& log;
};

void Press(QWidget& w, QPoint pos, QEvent::Type type = QEvent::MouseButtonPress)
{
    QMouseEvent e(type, pos, w.mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

TEST(Capture, TheCaptureWindowGetsEveryMouseEventUntilReleased)
{
    std::vector<std::string> log;
    MouseWindow a("a", log), b("b", log);
    a.setGeometry(100, 100, 50, 50);
    b.setGeometry(300, 100, 50, 50);
    a.show();
    b.show();

    EXPECT_EQ(ui::SetCapture(a), nullptr);
    EXPECT_EQ(ui::GetCapture(), &a);
    Press(b, QPoint(10, 5));
    Press(b, QPoint(10, 5), QEvent::MouseButtonRelease);
    ui::ReleaseCapture();
    Press(b, QPoint(10, 5));
    EXPECT_EQ(ui::GetCapture(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string> {"a press 210,5", "a release 210,5", "b press 10,5"}));
}

TEST(Capture, SetCaptureTellsWhoHeldItAndAWindowGoneHoldsNothing)
{
    std::vector<std::string> log;
    MouseWindow a("a", log);
    auto b = std::make_unique<MouseWindow>("b", log);
    ui::SetCapture(a);
    EXPECT_EQ(ui::SetCapture(*b), &a);
    b.reset();
    EXPECT_EQ(ui::GetCapture(), nullptr);
    Press(a, QPoint(1, 1));
    EXPECT_EQ(log, std::vector<std::string> {"a press 1,1"});
    ui::ReleaseCapture();
}

TEST(Cursor, WaitCursorNestsAndRestores)
{
    {
        ui::WaitCursor outer;
        {
            ui::WaitCursor inner;
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QWidget w;
    ui::SetCursor(w, Qt::SizeAllCursor);
    EXPECT_EQ(w.cursor().shape(), Qt::SizeAllCursor);
}

} // namespace
