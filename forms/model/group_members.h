// What the object list needs of a group of form objects (type 0x21): its
// member list and the list that owns the group. The group implements it
// beside FORMOBJ.
#pragma once

class FOBJLIST;

class GroupMembers {
public:
    virtual ~GroupMembers() = default;
    virtual FOBJLIST& GetMembers() = 0;
    virtual void SetOwnerList(FOBJLIST* list) = 0;
    // Whether some member is a radio button of the group, and marking or
    // unmarking its check boxes as radio buttons (undoing a member's
    // deletion gives the remaining member its mark back).
    virtual bool HasRadioButtons() const { return false; }
    virtual void SetRadioMarks(bool) {}
};
