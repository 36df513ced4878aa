// The Toolbars dialog: which tool bars show, and the colour, large-button
// and tool-tip options, on eight shared check boxes.
#pragma once

#include "platform/ui/dialog/dialog.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr unsigned kToolbarsDialogId = 2181;

// The tool bar settings the dialog edits.
struct ToolbarState {
    struct Bar {
        uint32_t shown = 0;
        std::string name;
    };
    std::vector<Bar> bars;
    uint32_t colour = 0;
    uint32_t large = 0;
    uint32_t toolTips = 0;
};

class TOOLBARS_DLG : public ui::Dialog {
public:
    explicit TOOLBARS_DLG(QWidget* parent = nullptr);

    // Eight boxes hold the bars and the three options: at most five bars.
    void SetToolbarState(const ToolbarState& state);
    const ToolbarState& GetToolbarState() const { return state; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    ToolbarState state;
};
