// The designer inside the program's own frame: a drag that reaches the
// edge of the view's window scrolls the page through the frame's splitter
// and the dragged edge follows.
#include "tests/app/support/started_app.h"

#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "forms/model/tracker_geometry.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QWidget>

namespace {

using DesignerProgramTest = StartedAppTest;

TEST_F(DesignerProgramTest, DragToTheWindowEdgeScrollsThePage)
{
    // A new A4 form with half-inch margins: its right margin lies at 11186.
    auto app = StartApp({}, FormAppClasses());
    ui::Frame* child = app->GetMainFrame()->GetActiveChild();
    auto* view = child ? dynamic_cast<FDESIGNVIEW*>(child->GetActiveView()) : nullptr;
    ASSERT_NE(view, nullptr);
    // The view narrow enough that the snapped edge stays inside the margin.
    app->GetMainFrame()->GetWindow()->resize(640, 500);
    RunEventsFor(50);
    QWidget* window = view->GetWindow();
    ASSERT_NE(window, nullptr);
    FDOCUMENT* doc = view->GetFormDocument();
    std::unique_ptr<FORMOBJ> made = doc->GetObjects().CreateObject(kTypeBox);
    made->SetRect(1440, 1440, 2880, 2880);
    FORMOBJ* box = made.get();
    doc->GetObjects().SetObjectPage(std::move(made), 1);
    box->Select(view);
    ASSERT_EQ(view->GetScrollPos().x, 0);

    // The right handle, then the window's right edge.
    POINT handle;
    {
        VIEWDC dc(view);
        view->SetupOwnDC(dc);
        handle = LogicalToDevice(dc, {2925, 2160});
    }
    const QPointF edge(window->width() - 4, handle.y);
    QCoreApplication::postEvent(window,
        new QMouseEvent(
            QEvent::MouseMove, edge, window->mapToGlobal(edge), Qt::NoButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(window,
        new QMouseEvent(
            QEvent::MouseButtonRelease, edge, window->mapToGlobal(edge), Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    const QPointF at(handle.x, handle.y);
    QMouseEvent press(
        QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);

    const int32_t scrolled = view->GetScrollPos().x;
    EXPECT_GT(scrolled, 0);
    // The edge went past where the pointer lies on the unscrolled page,
    // snapped, within the margin (the last step scrolls once more after
    // the edge is placed).
    POINT release;
    {
        VIEWDC dc(view);
        view->SetupOwnDC(dc);
        release = DeviceToLogical(dc, {static_cast<int32_t>(edge.x()), handle.y});
    }
    RECT r;
    box->GetRect(r);
    EXPECT_EQ(r.left, 1440);
    EXPECT_GT(r.right, release.x - scrolled);
    EXPECT_LE(r.right, 11186);
    EXPECT_EQ(r.right % 72, 0);
    EXPECT_TRUE(doc->IsModified());
    doc->SetModified(false);
    CloseApp(*app);
}

} // namespace
