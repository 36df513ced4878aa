#include "platform/ui/key_press_watch.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <unordered_map>

namespace ui {

namespace {

std::unordered_map<int, Qt::KeyboardModifiers>& Pressed()
{
    static std::unordered_map<int, Qt::KeyboardModifiers> pressed;
    return pressed;
}

} // namespace

void KeyPressWatch::Install()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool KeyPressWatch::eventFilter(QObject* receiver, QEvent* e)
{
    // A key event that goes up to the parents passes here again, with the
    // same modifiers.
    if (e->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        const auto* key = static_cast<const QKeyEvent*>(e);
        Pressed()[key->key()] = key->modifiers();
    }
    return false;
}

Qt::KeyboardModifiers ModifiersAtPress(int key)
{
    const auto it = Pressed().find(key);
    return it == Pressed().end() ? Qt::NoModifier : it->second;
}

} // namespace ui
