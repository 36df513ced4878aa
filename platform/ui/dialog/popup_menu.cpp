#include "platform/ui/dialog/popup_menu.h"

#include "platform/gdi/image_surface.h"
#include "platform/text/cp1252.h"
#include "platform/ui/dialog/dialog_hook.h"

#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

PopupMenuHook& Hook()
{
    static PopupMenuHook hook;
    return hook;
}

// One owner-drawn item of a shown menu: drawn through the owner into an
// image of its size, highlighted while the pointer is over it.
class OwnerMenuItem : public QWidget {
public:
    OwnerMenuItem(const PopupItem& item, OwnerDrawer& drawer, QWidget* parent)
        : QWidget(parent)
        , item_(item)
        , drawer_(drawer)
    {
        MEASUREITEMSTRUCT measure;
        measure.CtlType = ODT_MENU;
        measure.itemID = static_cast<int>(item.id);
        measure.itemHeight = fontMetrics().height();
        measure.itemData = item.itemData;
        drawer.MeasureItem(measure);
        setFixedSize(std::max(measure.itemWidth, 1), std::max(measure.itemHeight, 1));
        setMouseTracking(true);
    }

protected:
    void enterEvent(QEnterEvent*) override
    {
        hot_ = true;
        update();
    }
    void leaveEvent(QEvent*) override
    {
        hot_ = false;
        update();
    }
    void paintEvent(QPaintEvent*) override
    {
        gdi::ImageSurface surface(width(), height());
        {
            gdi::DC dc(surface);
            DRAWITEMSTRUCT draw;
            draw.CtlType = ODT_MENU;
            draw.itemID = static_cast<int>(item_.id);
            draw.itemState = hot_ ? ODS_SELECTED : 0;
            draw.dc = &dc;
            draw.rcItem = {0, 0, width(), height()};
            draw.itemData = item_.itemData;
            drawer_.DrawItem(draw);
        }
        QPainter painter(this);
        painter.drawImage(0, 0, surface.Image());
    }

private:
    PopupItem item_;
    OwnerDrawer& drawer_;
    bool hot_ = false;
};

unsigned ShowMenu(const PopupMenu& menu, gdi::POINT point, QWidget* owner)
{
    QMenu shown(owner);
    for (const PopupItem& item : menu.Items()) {
        if (item.id == 0) {
            shown.addSeparator();
            continue;
        }
        QAction* action;
        if (item.ownerDraw && menu.Drawer()) {
            auto* owned = new QWidgetAction(&shown);
            auto* widget = new OwnerMenuItem(item, *menu.Drawer(), &shown);
            owned->setDefaultWidget(widget);
            shown.addAction(owned);
            action = owned;
        } else {
            action = shown.addAction(text::ToQString(item.text));
        }
        action->setData(item.id);
        action->setEnabled(item.enabled);
    }
    QAction* chosen = shown.exec(QPoint(point.x, point.y));
    return chosen ? chosen->data().toUInt() : 0;
}

} // namespace

void PopupMenu::AppendItem(unsigned id, std::string text, bool enabled)
{
    items_.push_back({id, std::move(text), false, 0, enabled});
}

void PopupMenu::AppendOwnerDrawItem(unsigned id, uintptr_t itemData)
{
    items_.push_back({id, {}, true, itemData});
}

void PopupMenu::AppendSeparator()
{
    items_.push_back({});
}

unsigned TrackPopupMenu(const PopupMenu& menu, gdi::POINT screenPoint, QWidget* owner)
{
    if (const PopupMenuHook hook = Hook()) {
        const unsigned answer = hook({screenPoint, menu.Items()});
        const auto& items = menu.Items();
        const auto found
            = std::find_if(items.begin(), items.end(), [answer](const PopupItem& item) { return item.id == answer; });
        if (answer != 0 && found == items.end())
            throw UnansweredDialog("pop-up menu answered with " + std::to_string(answer) + ", not one of its items");
        return answer != 0 && found->enabled ? answer : 0;
    }
    if (!PlatformHasScreen())
        throw UnansweredDialog("pop-up menu with nobody to answer it");
    return ShowMenu(menu, screenPoint, owner);
}

PopupMenuHook SetPopupMenuHook(PopupMenuHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

ScopedPopupMenuHook::ScopedPopupMenuHook(PopupMenuHook hook)
    : previous_(SetPopupMenuHook(std::move(hook)))
{}

ScopedPopupMenuHook::~ScopedPopupMenuHook()
{
    SetPopupMenuHook(std::move(previous_));
}

} // namespace ui
