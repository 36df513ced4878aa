// The design view's Insert > Date / Time: while a text object is typed in
// place, the date and the time go in at the editor's caret.
#pragma once

class FDESIGNVIEW;

class DESIGN_INSERT {
public:
    explicit DESIGN_INSERT(FDESIGNVIEW& view)
        : view(view)
    {}

    // The command and its update on the view's command table.
    void RegisterCommands();
    void OnInsertDateTime();

private:
    FDESIGNVIEW& view;
};
