// Stands around a move or resize of an object in the design view: while it
// lives, the view's out-of-place flag is set when the object's rectangle
// already breaks the placement rule, so that an object lying outside the
// margins may still be moved as long as it overlaps the page.
#pragma once

class FORMOBJ;
class OBJECT_VIEW;
class VIEWDC;

class PLACEMENT_GUARD {
public:
    PLACEMENT_GUARD(OBJECT_VIEW* view, FORMOBJ& object, VIEWDC& dc);
    ~PLACEMENT_GUARD();
    PLACEMENT_GUARD(const PLACEMENT_GUARD&) = delete;
    PLACEMENT_GUARD& operator=(const PLACEMENT_GUARD&) = delete;

private:
    OBJECT_VIEW* view;
};
