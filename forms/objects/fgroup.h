// A group of form objects held as one unit: it draws, hit-tests, moves,
// turns, copies, restyles and saves its members together and is selected as
// one object. The object library's storage is not built yet.
#pragma once

#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"

#include <cstdint>
#include <memory>

// Tag of the member list inside a group's record.
constexpr uint8_t kMemberListTag = 0x29;

class FGROUP
    : public FORMOBJ
    , public GroupMembers {
public:
    const char* GetRuntimeClass() const override { return "FGROUP"; }
    int Init() override { return 1; }
    // The type byte, the base group 1, the member list 0x29, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeGroup; }
    // owner is handed to the members unchanged.
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    void Draw(VIEWDC& dc) override;
    int IsDrawnIn(VIEWDC&) override { return 1; }
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    FORMOBJ* ObjectAt(VIEWDC& dc, int32_t x, int32_t y) override;
    void Select(OBJECT_VIEW* view) override;
    uint16_t Deselect(OBJECT_VIEW* view) override;
    void SetMemberSelected(uint32_t flag) override;
    int IsSelected(FORMOBJ** out) override;
    void DrawTracker(VIEWDC& dc) override;
    void DrawSelection(VIEWDC& dc) override;
    void SetPage(uint16_t page) override;
    // The union of the members' bounding rectangles.
    void GetRect(RECT& out) const override;
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    // Moves every member by the offset of the new top-left corner; sizes
    // stay.
    void SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view) override;
    // A group has no angle of its own: each member that can turn turns
    // about its own rectangle (fgroup_turning.cpp).
    void SetRotation(uint16_t angle, OBJECT_VIEW* view) override;
    // 0 unless every member is a text object or a group; then 1, with the
    // angle written when all members that answer share one.
    int QueryAngle(uint16_t* out) override;
    // The cursor over a selected group: the move cursor on a member.
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // The member under the last press is selected instead of the group and
    // shows its own properties; 0 when no member is there.
    int ShowProperties(OBJECT_VIEW* view) override;

    // Attribute forwards (fgroup_attributes.cpp): changes go to every
    // member (the answer the OR of theirs); queries ask the members from the
    // topmost down and take the first answer, or say there is none.
    int ChangeBorder(const BORDER& border, OBJECT_VIEW* view) override;
    int ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view) override;
    int ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view) override;
    int ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view) override;
    int ChangeAlignment(uint8_t align, OBJECT_VIEW* view) override;
    int GetBorder(BORDER* out) override;
    int GetFont(TEXTATTR* out) override;
    int GetAlignment(uint8_t* out) override;
    int GetShadow(SHADOW* out) override;
    int GetAttribute(int kind, uintptr_t out) override;
    // The members of both groups, paired in list order, each take the
    // appearance of their partner.
    void TakeAppearanceFrom(FORMOBJ& source) override;
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;
    // 1 when every member accepts (an empty group does).
    int ExtAccepts(uintptr_t arg) override;
    std::unique_ptr<FORMOBJ> Clone() const override;

    // Masters (fgroup_master.cpp): the topmost member's master when every
    // member has its type and master, else null; the rest pass to every
    // member (a master only to members of its type and nested groups).
    FORMOBJ* GetMaster() const override;
    void SetMaster(FORMOBJ* master) override;
    int ApplyMasterIfType(uint8_t type, FORMOBJ* master, OBJECT_VIEW* view) override;
    void ReleaseMaster() override;
    void InvalidateIfMaster(OBJECT_VIEW* view, FORMOBJ* master) override;
    void DropMasterIfZero(int flag, uintptr_t arg) override;
    uint16_t DeleteMembersOfType(uint8_t type) override { return members.DeleteAllOfType(type); }

    FOBJLIST& GetMembers() override { return members; }
    void SetOwnerList(FOBJLIST* list) override { container = list; }
    FOBJLIST* GetOwnerList() const { return container; }
    bool HasRadioButtons() const override;
    void SetRadioMarks(bool on) override { SetFieldsRadioGroup(on ? this : nullptr); }

    // 1 when the object is a member at any depth.
    int ContainsObject(const FORMOBJ* object) const;
    // Grouping (fgroup_members.cpp).
    // Links the new group in at the front of the view's page and moves the
    // page's selected objects into it, keeping their order; the group is
    // selected and repainted.
    static FGROUP* GroupSelected(std::unique_ptr<FGROUP> group, FOBJLIST& list, OBJECT_VIEW* view);
    // Ungrouping: the members go, in order, where the group stood in its
    // container (fallback when it has none), each selected; the radio marks
    // are cleared. The group, now empty, is unlinked and handed back.
    std::unique_ptr<FORMOBJ> ReleaseMembers(OBJECT_VIEW* view, FOBJLIST& fallback);
    // The member under the point (topmost first) is selected instead of the
    // group.
    void SelectMember(OBJECT_VIEW* view, int32_t x, int32_t y);
    // The topmost selected member, or null.
    FORMOBJ* GetSelectedMember() const;
    uint16_t IndexOf(const FORMOBJ* member) const;
    // What removing the selected member did.
    struct Removal {
        FORMOBJ* member = nullptr;
        // The member's index in the member list.
        uint16_t index = 0;
        // A group of two dissolved: the other member, now in the container
        // where the group stood, and whether it was a radio button.
        FORMOBJ* remaining = nullptr;
        bool remainingRadio = false;
        // The member, or the dissolved group still holding it.
        std::unique_ptr<FORMOBJ> unlinked;
    };
    // Deselects the topmost selected member and unlinks it; a group of two
    // dissolves instead (see Removal). Nothing is deleted.
    Removal RemoveSelectedMember(OBJECT_VIEW* view, FOBJLIST& fallback);

    // Marks every field among the direct members as a radio button of this
    // group (non-null), or clears the marks.
    void SetFieldsRadioGroup(const void* mark);

private:
    // Tells the fields among the direct members which list holds them.
    void TellFieldsTheirList();

    FOBJLIST members;
    FOBJLIST* container = nullptr;
    // The member list as the fields hold it: it expires with the group.
    std::shared_ptr<FOBJLIST> holding {std::make_shared<char>(), &members};
};
