#include "forms/app/program/recent_file_menu.h"

#include "forms/app/program/recent_file_list.h"

#include "platform/ui/command_bar.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace {

bool InsertBeforeExit(std::vector<ui::MenuItem>& items, std::size_t size)
{
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (it->kind == ui::MenuItem::Kind::Popup && InsertBeforeExit(it->items, size))
            return true;
        if (it->kind != ui::MenuItem::Kind::Command || it->id != ID_APP_EXIT)
            continue;
        std::vector<ui::MenuItem> recent;
        for (std::size_t i = 0; i < size; ++i)
            recent.push_back(ui::MenuItem::Command("&" + std::to_string(i + 1), ID_FILE_MRU_FILE1 + unsigned(i)));
        recent.push_back(ui::MenuItem::Separator());
        items.insert(it, recent.begin(), recent.end());
        return true;
    }
    return false;
}

// "&1 " and the path, its own '&' doubled so that it shows.
QString ItemText(std::size_t index, const std::string& path)
{
    QString shown = QString::fromStdString(path);
    shown.replace('&', "&&");
    return QString("&%1 ").arg(index + 1) + shown;
}

} // namespace

std::vector<ui::MenuItem> WithRecentFileItems(std::vector<ui::MenuItem> menu, std::size_t size)
{
    InsertBeforeExit(menu, size);
    return menu;
}

void ShowRecentFiles(const ui::CommandBar& commands, const RecentFileList& files)
{
    const std::vector<std::string>& paths = files.Files();
    QAction* last = nullptr;
    for (std::size_t i = 0; i < files.GetSize(); ++i) {
        QAction* action = commands.FindAction(ID_FILE_MRU_FILE1 + unsigned(i));
        if (!action)
            continue;
        action->setVisible(i < paths.size());
        if (i < paths.size())
            action->setText(ItemText(i, paths[i]));
        last = action;
    }
    if (!last)
        return;
    for (QObject* owner : last->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(owner);
        if (!menu)
            continue;
        const QList<QAction*> actions = menu->actions();
        const qsizetype at = actions.indexOf(last);
        if (at >= 0 && at + 1 < actions.size() && actions[at + 1]->isSeparator())
            actions[at + 1]->setVisible(!paths.empty());
    }
}
