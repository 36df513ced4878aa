#include "forms/dialogs/appearance/shade_editor.h"

#include "forms/dialogs/controls/colour_menu.h"
#include "forms/dialogs/controls/colours.h"

#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/popup_menu.h"

#include <QWidget>

SHADE_EDITOR::SHADE_EDITOR(BASICSHADE& edited, std::function<void()> onChange)
    : shade(edited)
    , changed(std::move(onChange))
{}

void SHADE_EDITOR::SetShade(const BASICSHADE& from)
{
    shade.Copy(from);
    shade.noFill = from.noFill;
    marks = MarksOf(shade);
    SetOtherColourIndex(marks.other % kColourCount);
}

COLOUR_BUTTON* SHADE_EDITOR::BackgroundButton(int id)
{
    switch (id) {
    case kWhiteButton:
        return &white;
    case kBlackButton:
        return &black;
    case kOtherColourButton:
        return &other;
    default:
        return nullptr;
    }
}

void SHADE_EDITOR::Init(ui::Dialog& owner)
{
    dialog = &owner;
    const bool marked = !marks.transparent;
    swatches.Attach(owner, marked ? marks.swatch % kColourCount : -1);
    for (int p = 0; p < kPatternCount; ++p) {
        patterns[static_cast<size_t>(p)].selected = marked && p == marks.pattern;
        patterns[static_cast<size_t>(p)].Attach(owner, kFirstPatternButton + p, &shade);
    }
    for (int id : {kWhiteButton, kBlackButton, kOtherColourButton}) {
        BackgroundButton(id)->selected = marked && id == marks.background;
        BackgroundButton(id)->Attach(owner, id);
    }
    transparentSample.selected = marks.transparent;
    transparentSample.Attach(owner, kTransparentSample);
}

void SHADE_EDITOR::MarkBackground(int button, int value)
{
    if (COLOUR_BUTTON* b = BackgroundButton(button)) {
        b->selected = value;
        b->Redraw();
    }
}

void SHADE_EDITOR::UpdateMarks(bool fromOtherMenu)
{
    ShadeMarks now = MarksOf(shade);
    if (fromOtherMenu)
        now.background = kOtherColourButton;
    auto markPattern = [&](int position, int value) {
        auto& button = patterns[static_cast<size_t>(position)];
        button.selected = value;
        button.Redraw();
    };
    if (now.transparent && !marks.transparent) {
        MarkBackground(marks.background, 0);
        markPattern(marks.pattern, 0);
        swatches.Mark(-1);
        transparentSample.selected = 1;
        transparentSample.Redraw();
    } else if (!now.transparent && marks.transparent) {
        transparentSample.selected = 0;
        transparentSample.Redraw();
        swatches.Mark(now.swatch % kColourCount);
        markPattern(now.pattern, 1);
        MarkBackground(now.background, 1);
    } else if (!now.transparent) {
        if (now.swatch != marks.swatch)
            swatches.Mark(now.swatch % kColourCount);
        if (now.pattern != marks.pattern) {
            markPattern(marks.pattern, 0);
            markPattern(now.pattern, 1);
        }
        if (now.background != marks.background) {
            MarkBackground(marks.background, 0);
            MarkBackground(now.background, 1);
        }
    }
    if (now.other != marks.other)
        SetOtherColourIndex(now.other % kColourCount);
    if (now.swatch != marks.swatch || now.other != marks.other) {
        for (auto& button : patterns)
            button.Redraw();
        other.Redraw();
    }
    marks = now;
}

bool SHADE_EDITOR::OnCommand(int id, unsigned code)
{
    if (!dialog)
        return false;
    const bool click = code == ui::BN_CLICKED;
    bool apply = false;
    bool fromMenu = false;
    if (id >= kFirstPatternButton && id <= kLastPatternButton) {
        apply = click && ClickPattern(shade, marks, id - kFirstPatternButton);
    } else if (SWATCH_ROW::IsSwatch(id)) {
        apply = click && ClickSwatch(shade, marks, id);
    } else if (id == kWhiteButton || id == kBlackButton) {
        apply = click && ClickBackground(shade, marks, id);
    } else if (id == kOtherColourCommand) {
        if (click) {
            COLOUR_MENU menu(0, 0);
            const gdi::RECT r = dialog->GetItemRect(id);
            const QPoint corner = dialog->GetWindow()->mapToGlobal(QPoint(r.left, r.bottom));
            const unsigned chosen = ui::TrackPopupMenu(menu.Menu(), {corner.x(), corner.y()}, dialog->GetWindow());
            apply = ChooseOtherColour(shade, chosen);
            fromMenu = apply;
        }
    } else if (id == kTransparentSample || id == kTransparentButton) {
        apply = click && ClickTransparent(shade);
    } else if (id == kOtherColourButton) {
        apply = false;
    } else {
        return false;
    }
    if (apply) {
        UpdateMarks(fromMenu);
        changed();
    }
    return true;
}
