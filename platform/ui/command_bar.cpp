#include "platform/ui/command_bar.h"

#include "platform/ui/action_cmd_ui.h"
#include "platform/ui/app.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace ui {

namespace {

constexpr const char* commandIdProperty = "ui_command_id";

} // namespace

CommandBar::CommandBar(CmdTarget& target)
    : target_(&target)
{
    if (App* app = App::Current())
        app->AddCommandBar(*this);
}

CommandBar::~CommandBar()
{
    if (App* app = App::Current())
        app->RemoveCommandBar(*this);
}

QAction* CommandBar::Bind(QAction* action, unsigned id)
{
    CmdTarget* target = target_.get();
    if (!target)
        return action;
    items_.emplace_back(action, id);
    action->setProperty(commandIdProperty, id);
    // The target's token keeps a destroyed target from being reached.
    std::weak_ptr<CmdTarget*> token = target->Token();
    QObject::connect(action, &QAction::triggered, &context_, [token, id] {
        auto alive = token.lock();
        if (App* app = App::Current(); alive && app)
            app->PostCommand(**alive, id);
    });
    return action;
}

unsigned CommandBar::CommandId(const QAction& action)
{
    return action.property(commandIdProperty).toUInt();
}

QAction* CommandBar::FindAction(unsigned id) const
{
    auto it = std::find_if(
        items_.begin(), items_.end(), [id](const auto& item) { return item.second == id && item.first; });
    return it == items_.end() ? nullptr : it->first.data();
}

void CommandBar::UpdateItems()
{
    std::erase_if(items_, [](const auto& item) { return item.first.isNull(); });
    // A copy: an update handler may bind further items.
    auto items = items_;
    for (auto& [action, id] : items) {
        CmdTarget* target = target_.get();
        if (!target)
            return;
        if (!action)
            continue;
        ActionCmdUI state(*action, id);
        state.DoUpdate(*target, true);
    }
}

} // namespace ui

namespace ui {

void CommandBar::UpdateWhenShown(QMenu& menu)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &context_, [this] { UpdateItems(); });
}

} // namespace ui
