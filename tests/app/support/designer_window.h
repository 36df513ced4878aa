// A design view in a real offscreen window over a one-page A4 form, driven
// by synthetic mouse and keyboard input: moves and releases are posted
// before the press that starts a tracking loop, as the user would make
// them while the loop runs.
#pragma once

#include "tests/app/support/view_test_support.h"

#include "tests/common/rect_printer.h"

#include "platform/ui/dialog/popup_menu.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/view_host.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

class FFIELD;

class DesignerTest : public ::testing::Test {
protected:
    DesignerTest();
    ~DesignerTest() override;

    // Adds an object of a shape type on page 1 (on top of the others).
    FORMOBJ* Add(uint8_t type, RECT rect);
    // The window point of a page point (twips).
    POINT At(int32_t x, int32_t y);
    POINT At(POINT p) { return At(p.x, p.y); }

    void PostMove(POINT p);
    void PostRelease(POINT p);
    void PostKey(int key);
    // Sends the press; a tracking loop it starts takes what was posted.
    void Press(POINT p, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Release(POINT p, Qt::KeyboardModifiers modifiers);
    // Presses at one point, drags through the others and releases at the
    // last.
    void Drag(const std::vector<POINT>& points);
    void Click(POINT p) { Drag({p}); }
    // A click, then the second press of a double click.
    void DoubleClick(POINT p);
    // A right click at the point; the shortcut menu shown is kept in
    // `shown` and answered with the command given.
    void RightClick(POINT p, unsigned answer = 0);
    // Whether the last menu shown offered the command enabled; empty when
    // it did not list it.
    std::optional<bool> EnabledInMenu(unsigned id) const;
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Draws a check box at the left margin with its tool.
    FFIELD* DrawCheckBox(int32_t top);

    // The objects of the form in list order, and those that are selected.
    std::vector<FORMOBJ*> Objects();
    std::vector<FORMOBJ*> Selected();
    RECT RectOf(const FORMOBJ* object);
    // Whether the view enables the command.
    bool Enabled(unsigned id);

    ui::DragHook previousDragHook;
    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = std::make_unique<FDOCUMENT>();
    FDESIGNVIEW view;
    ui::ViewHost host;
    std::optional<std::vector<ui::PopupItem>> shown;
};
