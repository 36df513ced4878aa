// Pop-up menus tracked at a point, answering the command chosen; items may
// be drawn by an owner. A hook answers them instead of the user (tests set
// one so that nothing waits).
#pragma once

#include "platform/gdi/types.h"
#include "platform/ui/dialog/owner_draw.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace ui {

struct PopupItem {
    unsigned id = 0; // 0: a separator
    std::string text; // Windows-1252; empty for an owner-drawn item
    bool ownerDraw = false;
    uintptr_t itemData = 0;
    bool enabled = true; // a disabled item shows greyed and cannot be chosen
};

class PopupMenu {
public:
    void AppendItem(unsigned id, std::string text, bool enabled = true);
    void AppendOwnerDrawItem(unsigned id, uintptr_t itemData);
    void AppendSeparator();
    const std::vector<PopupItem>& Items() const { return items_; }
    // Draws and measures the owner-drawn items (not owned).
    void SetDrawer(OwnerDrawer* drawer) { drawer_ = drawer; }
    OwnerDrawer* Drawer() const { return drawer_; }

private:
    std::vector<PopupItem> items_;
    OwnerDrawer* drawer_ = nullptr;
};

struct PopupRequest {
    gdi::POINT point; // screen pixels
    std::vector<PopupItem> items;
};

// Answers the id of an item, or 0 for a menu dismissed.
using PopupMenuHook = std::function<unsigned(const PopupRequest&)>;

// Shows the menu with its top-left corner at the screen point and answers
// the id of the item chosen, 0 when none was. Throws UnansweredDialog when
// nobody can answer (no hook and no screen) and when the hook answers an id
// the menu lacks; a hook's answer of a disabled item chooses nothing.
unsigned TrackPopupMenu(const PopupMenu& menu, gdi::POINT screenPoint, QWidget* owner);

PopupMenuHook SetPopupMenuHook(PopupMenuHook hook);

class ScopedPopupMenuHook {
public:
    explicit ScopedPopupMenuHook(PopupMenuHook hook);
    ~ScopedPopupMenuHook();
    ScopedPopupMenuHook(const ScopedPopupMenuHook&) = delete;
    ScopedPopupMenuHook& operator=(const ScopedPopupMenuHook&) = delete;

private:
    PopupMenuHook previous_;
};

} // namespace ui
