// FORM_EDITOR: what changes a form as a design view edits it. It holds the
// form and the view's selection (the form keeps the undo list and each
// page's grid), places pasted and dropped objects, moves objects between
// views of the form, adds and removes pages, groups, ungroups and arranges
// the selection, and changes its attributes and styles. It has no
// window: what it changes is shown through the view's OBJECT_VIEW and the
// listener.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BASICSHADE;
class BORDER;
class EDITOR_LISTENER;
class FDOCUMENT;
class FORMOBJ;
class FSELECTION;
class OBJECT_VIEW;
class SHADOW;
class TEXTATTR;
class UNDO_ACTION;
class UNDO_LIST;

class FORM_EDITOR {
public:
    FORM_EDITOR(FDOCUMENT& document, FSELECTION& selection, OBJECT_VIEW& view, EDITOR_LISTENER& listener);

    FDOCUMENT& GetDocument() const { return document; }
    FSELECTION& GetSelection() const { return selection; }
    UNDO_LIST& GetUndoList() const;

    // Paste and drop (form_editor_paste.cpp). Both move the objects of a
    // paste selection into the form on the view's current page, selected,
    // and false when nothing was placed; a selection larger than the page
    // is refused and the listener told.
    // A paste goes to the top-left corner of the visible part of the page
    // (page twips, held within the margins) plus the paste offset; the
    // scroll origin turns page twips into the view's placement test.
    bool PlacePasted(FSELECTION& paste, const RECT& visible, POINT scrollOrigin);
    // A drop goes where it was dropped (page twips).
    bool PlaceDropped(FSELECTION& paste, const RECT& target);
    // The offset of the next paste (twips), shared by every form: it grows
    // with each paste that fits there; tests start it again.
    static POINT GetPasteOffset();
    static void ResetPasteOffset();

    // Moves within the form (form_editor_move.cpp).
    // The form's fields sorted by their place on the form.
    std::vector<FORMOBJ*> FieldsByPosition() const;
    // After a move: the filling order becomes the position order when the
    // move changed that order from the one noted before.
    void FollowFillingOrder(const std::vector<FORMOBJ*>& before);
    // What moving the objects another view of the form (the source) has
    // selected to this view came to.
    enum class MoveResult {
        // Nothing could be pasted: the objects are back where they were,
        // selected in the source, and back in the filling order.
        PutBack,
        // The copies are placed here and the dragged objects are gone.
        Moved,
        // As Moved, but a member selected inside its group stays there,
        // still selected in the source, for the source to delete.
        MovedMemberLeft,
    };
    // The dragged objects are set aside (out of the form and the filling
    // order) while the paste gives their copies, so that the copies keep
    // their names and field ids; the copies are placed at the target (page
    // twips). The source may be this editor.
    MoveResult MoveFrom(
        FORM_EDITOR& source, const std::function<std::unique_ptr<FSELECTION>()>& paste, const RECT& target);

    // Copies, deletion and Undo Deletion (form_editor_move.cpp,
    // form_editor_delete.cpp).
    // Copies what another view of the form (the source, which may be this
    // editor) has selected to this view: the source lets its selection go,
    // then the paste's copies are placed at the target (page twips). False
    // when nothing was placed.
    bool CopyFrom(FORM_EDITOR& source, const std::function<std::unique_ptr<FSELECTION>()>& paste, const RECT& target);
    // Deletes the selected objects (asking first for two or more when told
    // to); the undo list keeps them for Undo Deletion. True when any object
    // left the form, which is then modified.
    bool DeleteSelection(bool ask);
    // What the view hands over from the selection while a deletion runs:
    // the undo step that takes the deleted objects (true when it holds
    // them), and what deleting a group's member unlinked, kept when the
    // step recorded it.
    bool RecordDeletionUndo();
    void KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept);
    bool CanUndoDeletion() const;
    // The deleted objects back where they were, selected, the view on their
    // page; false when there was nothing to undo.
    bool UndoDeletion();

    // Pages (form_editor.cpp). Each deselects everything and empties the
    // undo list. Deleting the one page of a form keeps it, emptied. An
    // insertion or deletion is told to the listener as a page hint; an
    // appended page moves no view's page and is not told.
    void AppendPage();
    void InsertPage(uint16_t before);
    void DeletePage(uint16_t page);

    // Arrange (form_editor_arrange.cpp). Grouping, ungrouping and radio
    // groups empty the undo list and mark the form modified; each answers
    // false, changing nothing, when the selection does not allow it.
    bool Group();
    bool Ungroup();
    bool GroupRadioButtons();
    // Inside the owning group for a selected member.
    void BringToFront();
    void SendToBack();
    // Aligns the selected objects by the Align dialog's code and distances
    // (twips); the form is modified when any moved.
    void Align(uint32_t code, int32_t across, int32_t down);

    // Attributes (form_editor_attributes.cpp).
    // A change of the selected objects under one undo snapshot, taken
    // before the change runs and dropped when it ends, so that it never
    // hides an earlier step from Undo. The change answers whether it is
    // kept; when it is not, the objects take their old attributes back and
    // are repainted. Answers the change's answer.
    bool ChangeUnderSnapshot(const std::function<bool()>& change);
    // The selected objects of the style's kind follow the style of that
    // kind and name; false, the form still marked modified, when the form
    // has no such style.
    bool FollowStyle(uint8_t type, const std::string& name);
    // The selected objects follow no style; the form is modified.
    void DetachStyle();

    // Format (form_editor_format.cpp): what the Format dialogs, the
    // appearance pages and the format bar change in the selected objects.
    // An attribute given to the selected objects: changed, each object
    // repainting its own change (a Format dialog), or set, the selection
    // repainted around it (an appearance page); the dialog's or the sheet's
    // caller marks the form modified. False when a set found no window to
    // draw on: nothing was set.
    bool ApplyShadow(const SHADOW& shadow, bool set);
    // The border's query flags say what was selected: objects keep their own.
    bool ApplyBorder(const BORDER& border, bool set);
    bool ApplyShade(const BASICSHADE& shade, bool set);
    bool ApplyAlignment(uint8_t code, bool set);
    // The selected text objects and fields take the line spacing, repainted.
    void ApplyLineSpacing(uint16_t spacing);
    // The selected objects that have an alignment take the code, or those
    // with text the change record (mixed fields unchanged), and the form is
    // modified; false, nothing changed, when no selected object has one.
    bool ChangeAlignment(uint8_t code);
    bool ChangeTextAttr(const TEXTATTR& change);
    // The selected objects turn to the angle (tenths of a degree); the form
    // is modified.
    void ChangeRotation(uint16_t angle);
    // The appearance sheet's snapshot of the form's objects: taken anew (an
    // earlier one still held is dropped), put back, and dropped. Put back
    // and dropped do nothing once the undo list no longer holds it.
    void RecordSelectionUndo();
    void UndoLast();
    void DropLastUndo();

    // The object and, for a group, its members, deep.
    static void CollectDeep(FORMOBJ* object, std::vector<FORMOBJ*>& out);

private:
    // After a structural edit: the undo list emptied, the form modified and
    // the view brought up to date.
    void AfterStructuralEdit();
    bool Place(FSELECTION& paste, const RECT* dropAt, const RECT& visible, POINT scrollOrigin);

    FDOCUMENT& document;
    FSELECTION& selection;
    OBJECT_VIEW& view;
    EDITOR_LISTENER& listener;
    // Set while a deletion runs once its undo step has taken the objects.
    bool deletionKept = false;
    // The appearance sheet's snapshot while the sheet runs.
    UNDO_ACTION* sheetSnapshot = nullptr;
};
