// The Align dialog: how the selected objects line up across and down, and
// relative to what (each other, the top-left margin or a typed position,
// which must lie within the margins).
#pragma once

#include "forms/dialogs/designer/edit_number.h"

#include "platform/ui/dialog/dialog.h"

#include <cstdint>
#include <optional>
#include <string>

inline constexpr unsigned kAlignDialogId = 2018;

// What the dialog edits; positions and margins are in the caller's unit.
struct AlignSettings {
    double across = 0;
    double down = 0;
    // 0 none, 1 centre, 2 left, 3 right.
    uint8_t horizontal = 0;
    // 0 none, 1 centre, 4 top, 5 bottom.
    uint8_t vertical = 0;
    // 6 the top-left margin, 7 each other, 8 a position.
    uint8_t relative = 7;
    double leftMargin = 0;
    double rightMargin = 0;
    double topMargin = 0;
    double bottomMargin = 0;

    // With a position and some alignment, the first of Across and Down
    // outside the margins.
    using Problem = EditProblem;
    std::optional<Problem> CheckPosition() const;
    // The selection's align code: horizontal, vertical << 8, relative << 16.
    uint32_t Code() const;
};

class ALIGN_OBJECTS_DLG : public ui::Dialog {
public:
    explicit ALIGN_OBJECTS_DLG(QWidget* parent = nullptr);

    AlignSettings settings;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    void EnablePosition(bool enable);
};
