// The modifiers that were held when each key last went down. A key is let
// go after the keys it was pressed with as often as before them: Page Down
// pressed with Ctrl is Ctrl+Page Down even when Ctrl comes up first.
#pragma once

#include <QObject>

namespace ui {

// Watches the key presses of the whole application once installed (the
// running App installs one).
class KeyPressWatch : public QObject {
public:
    void Install();

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override;
};

// The modifiers held when `key` (a Qt key code) last went down; none for a
// key not seen going down.
Qt::KeyboardModifiers ModifiersAtPress(int key);

} // namespace ui
