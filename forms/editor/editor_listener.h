// What the form editor tells the view it edits for, beyond what the
// objects themselves ask of it through OBJECT_VIEW.
#pragma once

class EDITOR_LISTENER {
public:
    virtual ~EDITOR_LISTENER() = default;
    // A paste or drop was refused: its objects are larger than the page.
    virtual void PasteTooLarge() = 0;
    // Pasted or dropped objects are on the page, selected, and in the
    // filling order.
    virtual void PastePlaced() = 0;
};
