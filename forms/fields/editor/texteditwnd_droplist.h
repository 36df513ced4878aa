// The drop-down list of an in-place editor over a list field: what the
// field hands over to open it (where the list and its button lie, whether
// only the list's values may be entered, where the values come from), and
// the two windows that show it, the list frame under the field and the drop
// button at its right end.
#pragma once

#include "forms/model/geometry.h"

#include "platform/ui/list_frame.h"
#include "platform/ui/owner_draw_button.h"

#include <cstdint>

class TEXTEDITWND;
class VALUELISTBOX;

// Control ids of the list box and the drop button.
constexpr int kDropListBoxId = 333;
constexpr int kDropButtonId = 334;

// Where a drop list's values come from: a small object the field makes
// when it opens the editor of a list field.
class VALUESOURCE {
public:
    virtual ~VALUESOURCE() = default;
    // Empties the list box, then adds the values in list order.
    virtual void Fill(VALUELISTBOX& box) = 0;
};

// What opens a drop list. The rectangles are in the editor's logical units
// (twips at the view's zoom, from the editor window's top left): the list
// under the field and the drop button inside it. The source is not owned.
struct DROPLISTDESC {
    RECT listRect {};
    RECT buttonRect {};
    // Only the list's values may be entered: typing, deleting and the mouse
    // leave the text alone.
    int32_t valuesOnly = 0;
    VALUESOURCE* source = nullptr;
};

// The list's frame: a plain child window of the editor's parent, hidden
// until the list is dropped, that holds the list box and passes its
// selection changes to the editor. It remembers whether the list's
// selection was taken from the text since the text last changed.
class DROPLIST_WND : public ui::ListFrame {
public:
    DROPLIST_WND(TEXTEDITWND* editor, QWidget* parent, const gdi::RECT& rect)
        : ui::ListFrame(parent, rect)
        , editor(editor)
    {}

    TEXTEDITWND* editor;
    int synchronised = 0;
    // The list box is trimmed to whole entries (as when the list opens);
    // after a zoom it keeps the list rectangle's full height.
    bool integralHeight = true;
};

// The drop button: paints itself as a framed three-dimensional box with a
// down arrow.
class DROP_BUTTON : public ui::OwnerDrawButton {
public:
    DROP_BUTTON(QWidget* parent, const gdi::RECT& rect);
};
