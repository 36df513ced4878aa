// The design view's arrange commands: Group, UnGroup, Group Radio Buttons,
// Select Group Member, Bring To Front, Send To Back and Align; the form
// editor changes the form.
#pragma once

class FDESIGNVIEW;

class DESIGN_ARRANGE {
public:
    explicit DESIGN_ARRANGE(FDESIGNVIEW& view)
        : view(view)
    {}

    // The commands and their updates on the view's command table.
    void RegisterCommands();

    // Grouping, ungrouping and radio groups empty the undo list.
    void OnGroup();
    void OnUngroup();
    void OnGroupRadioButtons();
    // The member of the selected group under the last press.
    void OnSelectGroupMember();
    // Inside the owning group for a selected member.
    void OnBringToFront();
    void OnSendToBack();
    // The Align dialog, relative to each other (the top-left margin for one
    // object), its limits the page's printable edges in the view's unit.
    void OnAlignObjects();

private:
    FDESIGNVIEW& view;
};
