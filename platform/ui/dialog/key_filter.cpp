#include "platform/ui/dialog/key_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(KeyFilterFunction filter, QObject* parent)
        : QObject(parent)
        , filter_(std::move(filter))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, e);
        auto* key = static_cast<QKeyEvent*>(e);
        FilteredKey which;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            which = FilteredKey::Enter;
            break;
        case Qt::Key_Escape:
            which = FilteredKey::Escape;
            break;
        case Qt::Key_Tab:
            if (key->modifiers() & Qt::ShiftModifier)
                return QObject::eventFilter(watched, e);
            which = FilteredKey::Tab;
            break;
        default:
            return QObject::eventFilter(watched, e);
        }
        if (e->type() == QEvent::ShortcutOverride)
            return false;
        return filter_(which);
    }

private:
    KeyFilterFunction filter_;
};

} // namespace

void InstallKeyFilter(QWidget* control, KeyFilterFunction filter)
{
    if (control)
        control->installEventFilter(new KeyFilter(std::move(filter), control));
}

} // namespace ui
