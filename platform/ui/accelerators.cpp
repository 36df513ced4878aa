#include "platform/ui/accelerators.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

constexpr Qt::KeyboardModifiers relevantModifiers
    = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

class KeyFilter : public QObject {
public:
    KeyFilter(AcceleratorTable& table, QWidget& window)
        : table_(table)
        , window_(&window)
    {}

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !receiver->isWidgetType() || !window_)
            return false;
        auto* widget = static_cast<QWidget*>(receiver);
        if (widget != window_ && !window_->isAncestorOf(widget))
            return false;
        return table_.Translate(*static_cast<QKeyEvent*>(e));
    }

private:
    AcceleratorTable& table_;
    QPointer<QWidget> window_;
};

} // namespace

AcceleratorTable::AcceleratorTable(std::vector<Accelerator> entries, CmdTarget& target)
    : entries_(std::move(entries))
    , target_(&target)
{}

AcceleratorTable::~AcceleratorTable() = default;

unsigned AcceleratorTable::Find(const QKeyEvent& key) const
{
    Qt::KeyboardModifiers mods = key.modifiers() & relevantModifiers;
    auto it = std::find_if(entries_.begin(), entries_.end(),
        [&](const Accelerator& a) { return a.key == key.key() && (a.modifiers & relevantModifiers) == mods; });
    return it == entries_.end() ? 0 : it->id;
}

bool AcceleratorTable::Translate(const QKeyEvent& key)
{
    unsigned id = Find(key);
    if (id == 0)
        return false;
    if (CmdTarget* target = target_.get())
        target->ExecuteCommand(id);
    return true;
}

void AcceleratorTable::Install(QWidget& window)
{
    filter_ = std::make_unique<KeyFilter>(*this, window);
    QCoreApplication::instance()->installEventFilter(filter_.get());
}

} // namespace ui
