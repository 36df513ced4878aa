// The tool bars' combo boxes: the typeface and point-size boxes (FONTCOMBO),
// the zoom and rotation boxes (ZOOMCOMBO). Each knows its control id; Enter
// or a choice from the list gives the focus back to the active view, and
// losing the focus (other than to its own list) asks for the box's value to
// be applied.
#pragma once

#include "forms/app/views/bar_box_ids.h"
#include "forms/app/views/bar_combo_values.h"
#include "forms/document/font_lists.h"

#include <QComboBox>

#include <functional>
#include <string>

class BarComboBox : public QComboBox {
public:
    BarComboBox(unsigned id, bool editable, QWidget* parent = nullptr);

    unsigned GetId() const { return id_; }
    // Gives the focus back to the active view.
    void SetFocusBack(std::function<void()> focusBack) { focusBack_ = std::move(focusBack); }
    // Applies the box's value: run with the box's id when it loses the focus.
    void SetOnKillFocus(std::function<void(unsigned)> apply) { apply_ = std::move(apply); }

    // Whether the text shown is the selected entry's: false while a typed
    // text stands in the edit field.
    bool HasSelection() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void FocusBack();

    unsigned id_;
    std::function<void()> focusBack_;
    std::function<void(unsigned)> apply_;
};

using FONTCOMBO = BarComboBox;
using ZOOMCOMBO = BarComboBox;

// Refills the typeface box with the names, keeping the selected face
// selected when it is still listed.
void FillFontNameCombo(QComboBox& combo, const std::vector<std::string>& names);
// Refills the size box with the face's sizes, small to large, and answers
// them in `list`; returns 1.
int FillFontSizeCombo(QComboBox& combo, std::string_view face, FontSizeList& list);
