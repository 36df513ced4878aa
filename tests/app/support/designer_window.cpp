#include "tests/app/support/designer_window.h"

#include "forms/model/formobj.h"
#include "forms/model/tracker_geometry.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/drag_drop.h"

#include <QCoreApplication>

DesignerTest::DesignerTest()
{
    // A drag takes the input posted to the window, as the user would make
    // it while the drag runs.
    previousDragHook = ui::SetDragHook(ui::DragByPostedInput);
    host.resize(1000, 800);
    host.SetView(&view);
    view.SetDocument(doc.get());
    host.show();
    QCoreApplication::processEvents();
    view.OnInitialUpdate();
    view.OnActivateView(true, &view, &view);
}

DesignerTest::~DesignerTest()
{
    host.SetView(nullptr);
    view.SetDocument(nullptr);
    ui::SetDragHook(std::move(previousDragHook));
}

FORMOBJ* DesignerTest::Add(uint8_t type, RECT rect)
{
    std::unique_ptr<FORMOBJ> object = doc->GetObjects().CreateObject(type);
    object->SetRect(rect.left, rect.top, rect.right, rect.bottom);
    FORMOBJ* added = object.get();
    doc->GetObjects().SetObjectPage(std::move(object), 1);
    return added;
}

POINT DesignerTest::At(int32_t x, int32_t y)
{
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    return LogicalToDevice(dc, {x, y});
}

namespace {

QMouseEvent* MouseEvent(QEvent::Type type, POINT p, Qt::MouseButton button, Qt::MouseButtons buttons,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at(p.x, p.y);
    return new QMouseEvent(type, at, at, button, buttons, modifiers);
}

} // namespace

void DesignerTest::PostMove(POINT p)
{
    QCoreApplication::postEvent(&host, MouseEvent(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton));
}

void DesignerTest::PostRelease(POINT p)
{
    QCoreApplication::postEvent(&host, MouseEvent(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton));
}

void DesignerTest::PostKey(int key)
{
    QCoreApplication::postEvent(&host, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

void DesignerTest::Press(POINT p, Qt::KeyboardModifiers modifiers)
{
    std::unique_ptr<QMouseEvent> press(
        MouseEvent(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, modifiers));
    QCoreApplication::sendEvent(&host, press.get());
}

void DesignerTest::Release(POINT p, Qt::KeyboardModifiers modifiers)
{
    std::unique_ptr<QMouseEvent> release(
        MouseEvent(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, modifiers));
    QCoreApplication::sendEvent(&host, release.get());
}

void DesignerTest::Drag(const std::vector<POINT>& points)
{
    for (size_t i = 1; i < points.size(); ++i)
        PostMove(points[i]);
    PostRelease(points.back());
    Press(points.front());
    // A press that started no loop leaves its release to the window.
    QCoreApplication::processEvents();
}

void DesignerTest::DoubleClick(POINT p)
{
    Click(p);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(p.x, p.y), host.mapToGlobal(QPointF(p.x, p.y)), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &dbl);
}

void DesignerTest::RightClick(POINT p, unsigned answer)
{
    shown.reset();
    ui::ScopedPopupMenuHook hook([this, answer](const ui::PopupRequest& request) {
        shown = request.items;
        return answer;
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p.x, p.y), host.mapToGlobal(QPointF(p.x, p.y)), Qt::RightButton,
        Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p.x, p.y), host.mapToGlobal(QPointF(p.x, p.y)),
        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &release);
}

std::optional<bool> DesignerTest::EnabledInMenu(unsigned id) const
{
    if (!shown)
        return std::nullopt;
    for (const ui::PopupItem& item : *shown)
        if (item.id == id)
            return item.enabled;
    return std::nullopt;
}

void DesignerTest::Key(int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&host, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(&host, &release);
}

std::vector<FORMOBJ*> DesignerTest::Objects()
{
    std::vector<FORMOBJ*> all;
    for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
        all.push_back(o);
    return all;
}

std::vector<FORMOBJ*> DesignerTest::Selected()
{
    std::vector<FORMOBJ*> chosen;
    for (FORMOBJ* o : Objects())
        if (o->IsSelected(nullptr))
            chosen.push_back(o);
    return chosen;
}

RECT DesignerTest::RectOf(const FORMOBJ* object)
{
    RECT r;
    object->GetRect(r);
    return r;
}

bool DesignerTest::Enabled(unsigned id)
{
    ui::CmdUI cmdUI(id);
    cmdUI.DoUpdate(view, true);
    return cmdUI.IsEnabled();
}

FFIELD* DesignerTest::DrawCheckBox(int32_t top)
{
    EXPECT_TRUE(view.ExecuteCommand(32779));
    const POINT from = At(1440, top);
    const POINT to = At(1584, top + 360);
    Drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
    auto* field = dynamic_cast<FFIELD*>(Objects().back());
    EXPECT_NE(field, nullptr);
    EXPECT_TRUE(view.ExecuteCommand(32778));
    return field;
}
