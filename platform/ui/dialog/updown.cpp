#include "platform/ui/dialog/updown.h"

#include "platform/ui/dialog/dialog.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace ui {

UpDownControl::UpDownControl(Dialog& dialog, int id, int buddyId, QRect rect, int lowest, int highest)
    : QWidget(dialog.GetWindow())
    , dialog_(dialog)
    , buddy_(buddyId)
    , lowest_(lowest)
    , highest_(highest)
{
    setObjectName(QStringLiteral("ctl_%1").arg(id));
    setGeometry(rect);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, delta] : {std::pair {Qt::UpArrow, 1}, std::pair {Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, d = delta] { Step(d); });
        layout->addWidget(button);
    }
    show();
}

void UpDownControl::Step(int delta)
{
    const int now = std::atoi(dialog_.GetDlgItemText(buddy_).c_str());
    const int next = std::clamp(now + delta, lowest_, highest_);
    dialog_.SetDlgItemText(buddy_, std::to_string(next));
}

} // namespace ui
