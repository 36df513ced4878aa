// An up-down control beside its buddy edit: the arrows step the number the
// edit shows within a range, setting the edit's text as typing would (so
// the dialog hears EN_UPDATE and EN_CHANGE).
#pragma once

#include <QWidget>

namespace ui {

class Dialog;

class UpDownControl : public QWidget {
public:
    // Placed at `rect` (pixels of the dialog's window) with the id `id`.
    UpDownControl(Dialog& dialog, int id, int buddyId, QRect rect, int lowest, int highest);
    // One step: +1 up, -1 down.
    void Step(int delta);

private:
    Dialog& dialog_;
    int buddy_;
    int lowest_;
    int highest_;
};

} // namespace ui
