#include "forms/app/frames/frame_resources.h"

#include <QKeySequence>

#include <stdexcept>

std::vector<ui::MenuItem> MenuItemsOf(const std::vector<ResourceEntry>& entries)
{
    std::vector<ui::MenuItem> items;
    for (const ResourceEntry& entry : entries) {
        switch (entry.kind) {
        case ResourceEntry::Kind::Command:
            items.push_back(ui::MenuItem::Command(entry.text, entry.id));
            break;
        case ResourceEntry::Kind::Popup:
            items.push_back(ui::MenuItem::Popup(entry.text, MenuItemsOf(entry.items)));
            break;
        case ResourceEntry::Kind::Separator:
            items.push_back(ui::MenuItem::Separator());
            break;
        }
    }
    return items;
}

std::vector<ui::Accelerator> AcceleratorsOf(const std::vector<ResourceEntry>& entries)
{
    std::vector<ui::Accelerator> keys;
    for (const ResourceEntry& entry : entries) {
        if (entry.kind != ResourceEntry::Kind::Command)
            throw std::invalid_argument("an accelerator table holds keys only");
        const QKeySequence sequence
            = QKeySequence::fromString(QString::fromLatin1(entry.text), QKeySequence::PortableText);
        if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
            throw std::invalid_argument("no single key: " + entry.text);
        keys.push_back({static_cast<int>(sequence[0].key()), sequence[0].keyboardModifiers(), entry.id});
    }
    return keys;
}

std::vector<ui::ToolButton> ToolButtonsOf(const std::vector<ResourceEntry>& entries)
{
    std::vector<ui::ToolButton> buttons;
    for (const ResourceEntry& entry : entries) {
        if (entry.kind == ResourceEntry::Kind::Popup)
            throw std::invalid_argument("a tool bar has no popups");
        buttons.push_back({entry.id, entry.text, {}});
    }
    return buttons;
}

std::vector<ui::MenuItem> LoadMenu(unsigned id)
{
    return MenuItemsOf(LoadResourceBlock("menus.txt", "MENU", true, res::Kind::Menu, id).entries);
}

std::vector<ui::Accelerator> LoadAccelerators(unsigned id)
{
    return AcceleratorsOf(
        LoadResourceBlock("accelerators.txt", "ACCELERATORS", false, res::Kind::Accelerator, id).entries);
}

std::vector<ui::ToolButton> LoadToolBar(unsigned id)
{
    return ToolButtonsOf(LoadResourceBlock("toolbars.txt", "TOOLBAR", false, res::Kind::Bitmap, id).entries);
}
