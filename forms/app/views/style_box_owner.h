// The format bar's style box asks the active view to fill it and take its
// choice.
#pragma once

class STYLE_BOX;

// The part of the view that fills the box and takes its choice.
class STYLE_BOX_OWNER {
public:
    virtual ~STYLE_BOX_OWNER() = default;
    // CBN_DROPDOWN, CBN_CLOSEUP or CBN_KILLFOCUS from the box.
    virtual void OnStyleBoxNotify(STYLE_BOX& box, unsigned code) = 0;
};
