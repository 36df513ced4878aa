// The design view's clipboard: Copy, Cut and Paste of form objects, and
// what the form editor reports of a paste or a drop it placed.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class FDESIGNVIEW;
class FSELECTION;

// String id of the message for a paste larger than the page.
inline constexpr uint32_t kSelectionTooLarge = 207;

class DESIGN_CLIPBOARD {
public:
    explicit DESIGN_CLIPBOARD(FDESIGNVIEW& view)
        : view(view)
    {}

    // Copy, Cut, Paste and Paste Link on the view's command table.
    void RegisterCommands();
    // A copied text object carries its text for other programs.
    static void RegisterTextCopy();

    void OnEditCopy();
    // Deletes the objects only when the clipboard took them.
    void OnEditCut();
    void OnEditPaste();
    // Whether the clipboard offers objects to paste.
    bool CanPaste();
    // Moves the objects of a paste selection into the form, selected: a
    // paste (no rectangle) at the visible top-left corner of the page plus
    // the paste offset, a drop at the rectangle given (page twips). False
    // when nothing was placed; a selection larger than the page is refused
    // with a message.
    bool PlacePasted(FSELECTION& paste, const RECT* dropAt);

    // What the editor reports of a paste: the message of a refused one;
    // after a placed one, the selection tool and the window brought up to
    // date.
    void PasteTooLarge();
    void PastePlaced();

private:
    FDESIGNVIEW& view;
};
