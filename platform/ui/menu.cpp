#include "platform/ui/menu.h"

#include "platform/text/cp1252.h"
#include "platform/ui/command_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>

namespace ui {

MenuItem MenuItem::Command(std::string text, unsigned id)
{
    if (id == 0)
        throw std::invalid_argument("a menu command needs a non-zero id");
    return {Kind::Command, std::move(text), id, {}};
}

MenuItem MenuItem::Popup(std::string text, std::vector<MenuItem> items)
{
    return {Kind::Popup, std::move(text), 0, std::move(items)};
}

MenuItem MenuItem::Separator()
{
    return {};
}

namespace {

QMenu* MakePopup(QWidget* parent, const MenuItem& item, CommandBar& commands)
{
    auto* popup = new QMenu(text::ToQString(item.text), parent);
    FillMenu(*popup, item.items, commands);
    return popup;
}

} // namespace

void FillMenu(QMenu& menu, const std::vector<MenuItem>& items, CommandBar& commands)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuItem::Kind::Popup:
            menu.addMenu(MakePopup(&menu, item, commands));
            break;
        case MenuItem::Kind::Command:
            commands.Bind(menu.addAction(text::ToQString(item.text)), item.id);
            break;
        }
    }
    commands.UpdateWhenShown(menu);
}

void FillMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items, CommandBar& commands)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            bar.addSeparator();
            break;
        case MenuItem::Kind::Popup:
            bar.addMenu(MakePopup(&bar, item, commands));
            break;
        case MenuItem::Kind::Command:
            commands.Bind(bar.addAction(text::ToQString(item.text)), item.id);
            break;
        }
    }
}

} // namespace ui
