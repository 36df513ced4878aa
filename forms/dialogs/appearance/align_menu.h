// The pop-up menu of the four text alignments (commands 176 to 179), each
// item drawn as its picture and its name.
#pragma once

#include "forms/res/command_ids.h"

#include "platform/ui/dialog/owner_draw.h"
#include "platform/ui/dialog/popup_menu.h"

#include <array>
#include <cstdint>

struct AlignMenuItem {
    unsigned command;
    uint32_t text; // string id
    uint32_t bitmap;
    uint8_t alignment;
};
inline constexpr std::array<AlignMenuItem, 4> kAlignMenuItems {{
    {ID_ALIGN_LEFT, 386, 2111, 0},
    {ID_ALIGN_CENTRE, 387, 2112, 3},
    {ID_ALIGN_RIGHT, 388, 2113, 1},
    {ID_ALIGN_JUSTIFIED, 389, 2114, 4},
}};

class ALIGN_MENU : public ui::OwnerDrawer {
public:
    ALIGN_MENU();
    const ui::PopupMenu& Menu() const { return menu; }

    // The picture's width + 40 and its height + 4.
    void MeasureItem(ui::MEASUREITEMSTRUCT& item) override;
    // Window colour (highlight when selected), focus rectangle, the picture
    // at (2, 2), the name 5 pixels right of it.
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

private:
    ui::PopupMenu menu;
};

// The alignment a command 176-179 sets, or -1 for another command.
int AlignmentOfCommand(unsigned command);
