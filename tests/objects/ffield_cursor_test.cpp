// The cursor over a field in the design view: a list field shows the
// move-border cursor over its drop-down button and the base's cursors
// elsewhere; a plain field shows the base's everywhere.
#include "tests/objects/field_test_support.h"

#include "forms/model/border.h"
#include "tests/model/tracking_view.h"

#include <gtest/gtest.h>

namespace {

using FieldCursorTest = FieldTest;

TEST_F(FieldCursorTest, AListFieldShowsTheMoveBorderCursorOverItsDropButtonOnly)
{
    // The field (1500, 1500, 4500, 1800) at 15 twips a pixel: pixels 100 to
    // 300 across, 100 to 120 down; its button the rightmost 300 twips high,
    // 240 wide at most: pixels 284 to 300.
    const struct {
        const char* name;
        bool list;
        POINT pointer;
        Qt::CursorShape shape;
    } cases[] = {
        {"list, on the button", true, {292, 110}, Qt::DragMoveCursor},
        {"list, left of the button", true, {200, 110}, Qt::SizeAllCursor},
        {"plain, where a button would be", false, {292, 110}, Qt::SizeAllCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TrackView view;
        view.window.setCursor(Qt::ArrowCursor);
        auto field = MakeField({1500, 1500, 4500, 1800});
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        if (c.list) {
            field->SetValueList(Values({"a"}, true).get(), nullptr);
            field->SetRect(1500, 1500, 4500, 1800);
        }
        view.pointer = c.pointer;
        EXPECT_EQ(field->SetCursor(&view, 1), 1);
        EXPECT_EQ(view.window.cursor().shape(), c.shape);
        EXPECT_EQ(field->SetCursor(&view, 2), 0) << "outside the client area";
    }
}

} // namespace
