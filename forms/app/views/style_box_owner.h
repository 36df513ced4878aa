// The format bar's style box asks the active view to fill it and take its
// choice.
#pragma once

class STYLECOMBO;

// The view that fills the box and takes its choice.
class STYLE_BOX_OWNER {
public:
    virtual ~STYLE_BOX_OWNER() = default;
    // CBN_DROPDOWN, CBN_CLOSEUP or CBN_KILLFOCUS from the box.
    virtual void OnStyleBoxNotify(STYLECOMBO& box, unsigned code) = 0;
};
