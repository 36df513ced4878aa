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
};
