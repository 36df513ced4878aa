// The designer's set of selected objects on one page, itself a form object
// so that the design view treats the selected objects like one: it counts
// them, answers for their rectangles and handles, moves, aligns, orders and
// deletes them, and copies them to and pastes them from a record stream.
#pragma once

#include "forms/model/formobj.h"

#include <cstdint>
#include <memory>
#include <vector>

class FGROUP;
class FontFaces;
class OBJECT_DOCUMENT;
namespace io {
class Stream;
}
namespace ui {
class DataObject;
class DataSource;
} // namespace ui

// The formats the designer copies its objects under.
inline constexpr const char* kFormatSelection = "Quirewell Selection";
inline constexpr const char* kFormatTypefaces = "Quirewell Typefaces";

// Align codes: low byte horizontal, second byte vertical, third byte the
// reference.
constexpr uint8_t kAlignCentre = 1;
constexpr uint8_t kAlignLeft = 2;
constexpr uint8_t kAlignRight = 3;
constexpr uint8_t kAlignTop = 4;
constexpr uint8_t kAlignBottom = 5;
constexpr uint8_t kAlignToMargins = 6;
constexpr uint8_t kAlignToFirst = 7;

// String id of "Delete all selected objects?".
constexpr int kDeleteAllQuestion = 375;

class FSELECTION : public FORMOBJ {
public:
    // The list is the document's object list, or null for a paste
    // selection; it is not owned.
    explicit FSELECTION(FOBJLIST* list);
    ~FSELECTION() override;

    const char* GetRuntimeClass() const override { return "FSELECTION"; }
    int Init() override { return 1; }
    uint8_t GetType() const override { return kTypeSelection; }
    // The type byte, the source document's stamp, the selected objects as
    // a list group, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t type) override;
    // Reads what Save wrote (its type byte already read): the list group
    // becomes the selection's own private list.
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    void Draw(VIEWDC&) override {}
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    void Select(OBJECT_VIEW* view) override;
    uint16_t Deselect(OBJECT_VIEW* view) override;
    int Track(OBJECT_VIEW* view, int32_t x, int32_t y) override;
    int ShowProperties(OBJECT_VIEW* view) override;
    int ApplyMasterIfType(uint8_t type, FORMOBJ* master, OBJECT_VIEW* view) override;
    // Every selected object leaves its style, keeping its look
    // (fselection_styles.cpp).
    void ReleaseMaster() override;
    // The distinct types of the selected objects and of the members of
    // selected groups (groups left out), in list order.
    std::vector<uint8_t> SelectedKinds() const;
    void SetRotation(uint16_t angle, OBJECT_VIEW* view) override;
    void Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view) override;
    void Redraw(OBJECT_VIEW* view) override;
    void Invalidate(OBJECT_VIEW* view) override;
    // The shadow of the first selected object that has one, topmost first.
    int GetShadow(SHADOW* out) override;
    // Each selected object takes the shadow; with none selected the change
    // answers 1.
    void SetShadow(const SHADOW& shadow) override;
    int ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view) override;
    // Each object of a deep walk from the first selected one that is
    // selected itself or as a group's member takes the event
    // (fselection_events.cpp).
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;

    // Attributes (fselection_attributes.cpp). Queries answer the one
    // selected object's value, or of several the first, topmost first, that
    // has one; without one they say so (border style 6, shade pattern 21,
    // every text part mixed, alignment 0x5D) and answer 0. The border's
    // rounded flag tells whether a box or field is selected, its reserved
    // word whether only ellipses and groups are.
    int GetBorder(BORDER* out) override;
    int GetShade(BASICSHADE* out) override;
    int GetFont(TEXTATTR* out) override;
    int GetAlignment(uint8_t* out) override;
    int GetAttribute(int kind, uintptr_t out) override;
    // Changes reach every selected object; the answer is the OR of theirs
    // (with none selected 0 for borders and alignments, 1 for fills).
    int ChangeBorder(const BORDER& border, OBJECT_VIEW* view) override;
    int ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view) override;
    int ChangeAlignment(uint8_t align, OBJECT_VIEW* view) override;
    // A change record of text attributes for every selected object.
    int ApplyToSelected(const TEXTATTR& change, OBJECT_VIEW* view);
    // The appearance sheet's setters: each selected object takes the value.
    void SetBorder(const BORDER& border) override;
    void SetShade(const BASICSHADE& shade) override;
    void SetAlignment(uint8_t align) override;
    void SetAttribute(int kind, uintptr_t value) override;
    void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles) override;
    void GetRect(RECT& out) const override;
    void GetBoundingRect(RECT& out) override;
    // Several objects keep their sizes and move by the offset of the new
    // top-left corner from the selection's rectangle.
    void SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void RotateTrackerRect(RECT& rect) override;
    FORMOBJ* GetMaster() const override;
    int CanAlign() override;
    int CanCut() override;
    int CanCopy() override;
    // The rotation box's query: one text object or group answers for
    // itself; several must all be text objects or groups, their common
    // angle written when they share one.
    int QueryAngle(uint16_t* out) override;
    // One text object selected whose text is being edited: the format
    // commands work on the edited text.
    int CanFormatText() const;
    void DrawTracker(VIEWDC& dc) override;
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // Several objects show no sizing handles: 8 inside one of them or -1.
    int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y) override;
    void DrawTrackerRect(const RECT& rect, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view) override;
    void DrawDragOutline(gdi::DC* dc, const RECT& rect) override;
    // The outline of the selection dragged to a device rectangle: each of
    // up to ten objects at its own place, more as one focus rectangle.
    void DrawDragOutline(OBJECT_VIEW* view, const RECT& rect, gdi::DC* dc);

    // The count follows the objects' Select and Deselect.
    void NoteSelected(int32_t n, OBJECT_VIEW* view);
    void NoteDeselected(int32_t n, OBJECT_VIEW* view);
    int32_t GetCount() const { return count; }
    FOBJLIST* GetList() const { return list; }
    uint32_t GetSourceStamp() const { return sourceStamp; }
    // The first selected object from the bottom of the page, or null.
    FORMOBJ* GetFirstSelected() const;

    // Deletes the selected objects, asking first for two or more unless
    // suppressed; the view's undo list keeps them for Undo Deletion.
    void Delete(OBJECT_VIEW* view, uintptr_t unused, int suppressQuestion);
    // Counts the objects that the undo list has put back selected.
    void UndoDelete(OBJECT_VIEW* view);
    // Lines the selected objects up (codes above); 1 when something moved.
    int Align(OBJECT_VIEW* view, uint32_t code, int32_t x, int32_t y);

    // Group operations (fselection_group.cpp).
    // The one selected object goes to the top (bottom) of its page, inside
    // its owning group for a member.
    void BringToFront(OBJECT_VIEW* view);
    void SendToBack(OBJECT_VIEW* view);
    // One object selected with another above (below) it on its page or in
    // its group.
    int CanBringToFront() const;
    int CanSendToBack() const;
    // The selected objects become one new group, selected.
    void Group(OBJECT_VIEW* view);
    // The one selected group, or every selected group, gives its members
    // back to the page in its place, selected; the group is deleted.
    void Ungroup(OBJECT_VIEW* view);
    int CanUngroup() const;
    // The group that directly holds the selected member, or null for an
    // object of the page.
    FGROUP* GetOwningGroup() const;
    // At least two selected check boxes that are not radio buttons yet (or
    // one selected group holding two).
    int CanGroupRadioButtons() const;
    // Groups the selection unless it is one group, and makes the group's
    // check boxes its radio buttons.
    void GroupRadioButtons(OBJECT_VIEW* view);
    // One group selected and the point (page twips) on it.
    int CanSelectGroupMember(OBJECT_VIEW* view, int32_t x, int32_t y);
    // The one selected group's member under the point is selected instead.
    void SelectMember(OBJECT_VIEW* view, int32_t x, int32_t y);
    // One table selected and the device point on one of its cells.
    int CanSelectColumn(OBJECT_VIEW* view, int32_t x, int32_t y);
    // The one selected table's column (kind kTypeColumn) or row through the
    // cell at the device point becomes its current part.
    void SelectColumnOrRow(OBJECT_VIEW* view, uint8_t kind, int32_t x, int32_t y);

    // Writes the selection into a stream, stamped with the document.
    void CopyTo(io::Stream& stream, OBJECT_DOCUMENT* document);
    // Reads a copied selection into this selection's private list, on the
    // view's page and selected; typeface indexes are those of the table
    // given (none: the program's). A damaged stream pastes nothing. 1 when
    // it was read.
    int PasteFrom(io::Stream& stream, OBJECT_VIEW* view, const FontFaces* typefaces = nullptr);

    // Puts the selected objects with the program's typefaces on the
    // clipboard (no source) or into a drag's data source. A clipboard that
    // refuses them ends the copy silently, answering 0.
    int Copy(OBJECT_VIEW* view, ui::DataSource* source);
    // Pastes the objects that the clipboard (no data) or a drop offers into
    // the selection's new private list; nothing without readable typefaces
    // and selection blocks.
    void PasteObjects(OBJECT_VIEW* view, const ui::DataObject* data);
    // The text of one copied text object goes on the clipboard in the
    // formats other programs read; the text editor provides it through the
    // view. Without it a copy carries the objects alone.
    using TextCopy = void (*)(FORMOBJ& text, OBJECT_VIEW* view, ui::DataSource& into);
    static void SetTextCopy(TextCopy copy);
    // Hands the private list and its objects to the caller (the design view
    // taking a paste over); the selection is left empty, without a list.
    std::unique_ptr<FOBJLIST> TakeList();

private:
    // The selected objects of the page, topmost first.
    std::vector<FORMOBJ*> SelectedTopmostFirst() const;
    // The one selected object when exactly one is selected, else null.
    FORMOBJ* GetSingle() const;
    void InvalidateUpdateRect(OBJECT_VIEW* view);
    void Unlink(FORMOBJ* object, OBJECT_VIEW* view, OBJECT_DOCUMENT* document, bool kept);
    // The list that holds the object: its owning group's members or the
    // selection's list; null when neither does.
    FOBJLIST* ListHolding(FORMOBJ* object) const;
    // Deleting the one selected member of a group: false when the selected
    // object is no member. What was unlinked goes to the view.
    bool DeleteMember(OBJECT_VIEW* view, OBJECT_DOCUMENT* document);

    FOBJLIST* list;
    // The list a paste or load made; the selection deletes it and its
    // objects unless they were taken over.
    std::unique_ptr<FOBJLIST> ownList;
    int32_t count = 0;
    uint32_t sourceStamp = 0;
};
