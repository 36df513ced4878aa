// What the form editor tells the view it edits for, beyond what the
// objects themselves ask of it through OBJECT_VIEW.
#pragma once

class FHINT;

class EDITOR_LISTENER {
public:
    virtual ~EDITOR_LISTENER() = default;
    // A paste or drop was refused: its objects are larger than the page.
    virtual void PasteTooLarge() = 0;
    // Pasted or dropped objects are on the page, selected, and in the
    // filling order.
    virtual void PastePlaced() = 0;

    // A page was inserted or deleted: the hint's kind and page. The view
    // shows the page now in that place and tells the form's other views.
    virtual void PageChanged(const FHINT& hint) = 0;
};
