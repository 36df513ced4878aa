// The abstract base of every object on a form page: page, list links,
// selection state, name, master, rectangle, rotation and tracker state, and
// the one table of virtual operations through which every kind is treated
// alike. Kinds override what they support; the bases answer 0 or 1.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/rotation.h"
#include "forms/model/tracker_geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class BASICSHADE;
class BORDER;
class FOBJLIST;
class OBJECT_VIEW;
class RECORDARCHIVE;
class SHADOW;
class TEXTATTR;
class VIEWDC;
namespace gdi {
class DC;
}
namespace ui {
enum class StandardCursor;
}

// What dragging out a new object came to: no drag (a click or a cancel),
// a drag whose place was refused, or the object placed.
enum TrackNewResult : int {
    kTrackNoDrag = 0,
    kTrackRefused = 1,
    kTrackPlaced = 2,
};

// Object type bytes: GetType and the tag of the object's group.
enum : uint8_t {
    kTypeButton = 0x0D,
    kTypeTable = 0x0F,
    kTypeBarcode = 0x10,
    kTypeEllipse = 0x11,
    kTypeOrthLine = 0x12,
    kTypeBox = 0x13,
    kTypeField = 0x14,
    kTypeText = 0x15,
    kTypeLine = 0x16,
    kTypeOle = 0x17,
    kTypePicture = 0x18,
    kTypeHeader = 0x19,
    kTypeCell = 0x1A,
    kTypeBoundary = 0x1B,
    kTypeColRow = 0x1C,
    kTypeColumn = 0x1D,
    kTypeRow = 0x1E,
    kTypeGroup = 0x21,
    kTypeSelection = 0x22,
};

// Tag of the base group that every kind writes inside its own group.
constexpr uint8_t kBaseGroupTag = 1;

// Largest width and height of an object: 22.5 inches.
constexpr int32_t kMaxExtent = 32400;

// Answer of GetNextWord when the object has no more words.
constexpr int kNoMoreWords = 5;

// String id of the caption "Object Appearance".
constexpr uint16_t kObjectAppearanceCaption = 464;

class FORMOBJ {
public:
    FORMOBJ();
    FORMOBJ(const FORMOBJ&) = delete;
    FORMOBJ& operator=(const FORMOBJ&) = delete;

    // Run-time class name.
    virtual const char* GetRuntimeClass() const { return "FORMOBJ"; }
    virtual ~FORMOBJ();
    virtual int Init() = 0;
    virtual void Save(RECORDARCHIVE& ar, uint8_t tag);
    virtual uint8_t GetType() const = 0;
    virtual void Load(RECORDARCHIVE& ar, uintptr_t owner);
    virtual void Draw(VIEWDC& dc) = 0;
    virtual int IsDrawnIn(VIEWDC& dc);
    virtual int HitTest(VIEWDC& dc, int32_t x, int32_t y);
    virtual FORMOBJ* ObjectAt(VIEWDC& dc, int32_t x, int32_t y);
    virtual void SetSelectFlag(uint16_t flag);
    virtual void GetActiveRect(RECT& out, VIEWDC& dc);
    virtual void GetMaxSize(SIZE& out);
    virtual void GetMinSize(SIZE& out);
    virtual int CanBeGrouped();
    virtual void TakeAppearanceFrom(FORMOBJ& source);
    virtual void DrawSelection(VIEWDC& dc);
    virtual void Select(OBJECT_VIEW* view);
    virtual uint16_t Deselect(OBJECT_VIEW* view);
    // Mouse-down at (x, y) on the view's window (device units) on a selected
    // object: its handle or the object is dragged; 1 when it changed.
    virtual int Track(OBJECT_VIEW* view, int32_t x, int32_t y);
    virtual void InvalidateIfMaster(OBJECT_VIEW* view, FORMOBJ* master);
    virtual int ShowProperties(OBJECT_VIEW* view);
    // Drags out the rectangle of a new object from (x, y) on the view's
    // window.
    virtual TrackNewResult TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert);
    virtual int AcceptsPlacement();
    virtual void SetRectFor(VIEWDC& dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
    virtual int ApplyMasterIfType(uint8_t type, FORMOBJ* master, OBJECT_VIEW* view);
    virtual void OnEvent(uint8_t code, uintptr_t a, uintptr_t b);
    virtual void SetRotation(uint16_t angle, OBJECT_VIEW* view);
    virtual int SetUp(OBJECT_VIEW* view);
    virtual int HasSetUp();
    virtual int ExtQuery();
    virtual int ExtAccepts(uintptr_t arg);
    virtual void ExtRefresh(uintptr_t arg);
    virtual void DropMasterIfZero(int flag, uintptr_t arg);
    virtual void ExtNotify(uintptr_t arg);
    virtual void Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view);
    virtual int ChangeBorder(const BORDER& border, OBJECT_VIEW* view);
    virtual int ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view);
    virtual int ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view);
    virtual int ShowAppearanceDialog(OBJECT_VIEW* view, uint16_t captionId);
    virtual void Redraw(OBJECT_VIEW* view);
    virtual int NeedsConversionFor(uintptr_t arg);
    virtual int IsSavableIn(uint16_t format);
    virtual uint8_t BeginEdit(uintptr_t a, uintptr_t b, uintptr_t c);
    virtual void SetEditorText(uintptr_t arg);
    virtual void ShowEditor();
    virtual void EndEdit();
    // Kinds: 1 data type, 2 value list, 3 help text, 4 line spacing (out
    // points at a u16).
    virtual int GetAttribute(int kind, uintptr_t out);
    virtual void Invalidate(OBJECT_VIEW* view);
    virtual void ExtRelease(uintptr_t arg);
    virtual std::unique_ptr<FORMOBJ> Clone() const;
    virtual void CopyFrom(const FORMOBJ& source);
    virtual void GetTypeName(std::string& out) const;
    virtual int ExtCheck(std::string& name, uintptr_t a);
    virtual void GetFullName(std::string& out) const;
    virtual std::string& GetDefaultName(std::string& out, int16_t number) const;
    virtual uint16_t GetDefaultNumber(std::string_view name) const;
    virtual int IsDefaultName(std::string_view name) const;
    // 0 acceptable, else the string id of the refusal (132, 133, 134).
    virtual uint16_t CheckName(std::string_view name) const;
    virtual void SetPage(uint16_t page);
    virtual void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles);
    virtual void GetRegion(Outline& region, VIEWDC& dc, int withHandles, POINT* corners);
    // Placement test: may the object take the rectangle (page twips) on
    // that page of the list?
    virtual int ExtCheck6(FOBJLIST* list, uint16_t page, int32_t left, int32_t top, int32_t right, int32_t bottom);
    virtual void GetRect(RECT& out) const;
    virtual void GetInnerRect(RECT& out, VIEWDC& dc);
    virtual void GetOuterRect(RECT& out, VIEWDC& dc);
    virtual void GetBoundingRectIn(RECT& out, VIEWDC& dc);
    virtual void GetBoundingRect(RECT& out);
    virtual void GetTextRect(RECT& out, VIEWDC& dc);
    virtual void SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom);
    virtual void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    virtual void RotateTrackerRect(RECT& rect);
    virtual void GetRotatedBounds(RECT& rect, const ROTATION& rotation);
    virtual uint16_t CountImages();
    virtual int GetImageId(uint32_t& out);
    virtual uint8_t ImageQuery(uintptr_t arg);
    virtual void SetImageId(uint32_t id);
    virtual void ResetToDefaults();
    virtual FORMOBJ* GetMaster() const;
    virtual int GetBorder(BORDER* out);
    virtual int GetShade(BASICSHADE* out);
    virtual int GetFont(TEXTATTR* out);
    virtual int GetAlignment(uint8_t* out);
    virtual int ExtGet(uintptr_t out);
    virtual int GetShadow(SHADOW* out);
    virtual void SetBorder(const BORDER& border);
    virtual void SetShade(const BASICSHADE& shade);
    virtual void SetFont(const TEXTATTR& attr);
    virtual void SetAlignment(uint8_t align);
    virtual int ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view);
    virtual int ChangeAlignment(uint8_t align, OBJECT_VIEW* view);
    virtual void ExtSet(uintptr_t arg);
    virtual void SetShadow(const SHADOW& shadow);
    virtual void SetAttribute(int kind, uintptr_t value);
    virtual void SetMaster(FORMOBJ* master);
    virtual void DetachFromMaster();
    virtual void ReleaseMaster();
    virtual int IsInsideRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    virtual void GetTrackRotation(ROTATION& out);
    virtual void SetMemberSelected(uint32_t flag);
    virtual int IsSelected(FORMOBJ** out);
    virtual int CanAlign();
    virtual int CanCut();
    virtual int CanCopy();
    virtual int QueryAngle(uint16_t* out);
    virtual int GetRichText(uintptr_t* out);
    virtual int EditHookQuery(uintptr_t arg);
    virtual int EditHookState();
    virtual void EditHookCommand(uintptr_t arg);
    virtual void EditHookReset();
    virtual int HasOleItem(uintptr_t item);
    virtual int HasOleItemAlt(uintptr_t item);
    virtual uint16_t DeleteMembersOfType(uint8_t type);

    // Tracker operations (formobj_tracker.cpp, formobj_track.cpp).
    virtual void DrawTracker(VIEWDC& dc);
    virtual int SetCursor(OBJECT_VIEW* view, int hitCode);
    virtual void SetMoveCursor(int handle);
    virtual int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y);
    virtual void DrawTrackerRect(const RECT& rect, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view);
    virtual void DrawFocusOutline(const RECT& rect, gdi::DC* dc);
    virtual void DrawDragOutline(gdi::DC* dc, const RECT& rect);
    virtual void AdjustRect(int handle, RECT& rect, OBJECT_VIEW* view);
    virtual void AutoScroll(
        const RECT& oldRect, OBJECT_VIEW* view, int handle, RECT& rect, const RECT& startRect, int32_t x, int32_t y);
    virtual unsigned GetHandleMask();
    virtual int32_t GetHandleSize(const RECT& rect);

    // Spelling: the base has no words.
    virtual int GetNextWord(OBJECT_VIEW* view, char* buffer, int width);
    virtual void ReplaceWord(const char* text);
    virtual void ShowWord();
    virtual void EndCheck();

    uint16_t GetPage() const { return page; }
    FORMOBJ* GetNext() const { return next; }
    FORMOBJ* GetPrev() const { return prev; }
    void SetNext(FORMOBJ* object) { next = object; }
    void SetPrev(FORMOBJ* object) { prev = object; }
    const std::string& GetName() const { return name; }
    void SetName(std::string_view newName) { name = newName; }
    uint16_t GetRotation() const { return rotation; }
    uint16_t GetSelected() const { return selected; }
    uint32_t GetMemberSelected() const { return memberSelected; }

    // Lines the object up with a point; 1 when it moved.
    int Align(OBJECT_VIEW* view, uint16_t code, int32_t x, int32_t y);
    static RECT UnionRectNormalized(const RECT& a, const RECT& b);
    void GetDeviceRect(RECT& out, VIEWDC& dc, int withHandles);

    // The selection tracker's non-virtual steps. Handles are numbered 0
    // top-left, 1 top-right, 2 bottom-right, 3 bottom-left, 4 top, 5 right,
    // 6 bottom, 7 left; 8 is inside the object, -1 nothing.
    void SetTrackerRect(const RECT& r, uint32_t style);
    // The handle's rectangle (twips) around a rectangle.
    void GetHandleRect(int handle, RECT& out, const RECT& r);
    // (x, y) logical; the handle under the point, else 8 on the object or -1.
    int HitTestHandlesAt(VIEWDC& dc, int32_t x, int32_t y);
    // The handle as it shows on an inverted tracker rectangle.
    int NormalizeHit(int handle) const;
    // Mouse-down at a device point of the view's window: the handle under
    // it is dragged; 1 when the tracker rectangle changed.
    int TrackAt(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert, const RECT* start);
    // Drags out a new rectangle from a device point; 1 unless cancelled.
    int TrackRubberBand(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert);
    // The modal loop dragging a handle from a device point (a TrackerDrag).
    int TrackHandle(int handle, OBJECT_VIEW* view, int32_t x, int32_t y, const RECT* start);
    const RECT& GetTrackerRect() const { return trackRect; }

protected:
    // A getter's answer from the object's own attribute: a copy in out
    // (when given) and 1, or 0 when the object has none.
    template<typename T>
    static int AnswerOwn(const T* own, T* out)
    {
        if (!own)
            return 0;
        if (out)
            *out = *own;
        return 1;
    }
    // Whether the context shows selection trackers (never on paper) and
    // the object is selected on its own or as a member.
    bool ShowsTracker(const VIEWDC& dc) const;
    // After a drag: repaints the outline before (device units) and the
    // object's outline now with its handles, and tells the other views.
    void RepaintTracked(VIEWDC& dc, OBJECT_VIEW* view, const Outline& before, bool otherViews);
    // Logical rectangle less the context's origin, to device units.
    static RECT ToDevice(VIEWDC& dc, const RECT& logical);
    // The tail of a kind's Clone: the copy takes this object's master and
    // rectangle, on page 0 and unselected.
    void FinishClone(FORMOBJ& copy) const;
    // SetBorder of a kind that owns a border: ends the link to a master,
    // then copies the border into the own one (when there is one) with the
    // kind's rounded flag. Answers the own border, or null.
    BORDER* SetOwnBorder(const std::unique_ptr<BORDER>& own, const BORDER& border, uint32_t roundedFlag);
    // The opening of SetCursor: for the client area, with the view's
    // tracking window and the pointer's position known, asks cursorAt for
    // the cursor code at the pointer (logical units, through a context set
    // up for the view) and shows that cursor. 0 when there is nothing to
    // ask or it answers kHitNothing, else 1.
    int SetTrackerCursor(OBJECT_VIEW* view, int hitCode, const std::function<int(VIEWDC&, POINT)>& cursorAt);
    // For the client area: shows the cursor while the pointer lies on one of
    // the object's handles; 1 when shown.
    int SetCursorOnHandles(OBJECT_VIEW* view, int hitCode, ui::StandardCursor cursor);
    // The pointer's place (logical units) on the view's tracking window, for
    // the client area only, to the cursor shown there (none: nothing shown).
    static int ShowCursorAtPointer(OBJECT_VIEW* view, int hitCode,
        const std::function<std::optional<ui::StandardCursor>(VIEWDC&, POINT)>& cursorAt);
    // The tracker's outline around r (logical units, normalised) with its
    // pen and the null brush selected: the rectangle, turned with the
    // object.
    virtual void DrawTrackerOutline(VIEWDC& dc, const RECT& r);
    // The tracker's hatched parts around r (logical units, normalised): the
    // masked inside and the four inverted strips of the border.
    void DrawTrackerHatching(VIEWDC& dc, const RECT& r);
    // The edges a handle drags across x and across y of r (null for none),
    // snapped to the view's grid and kept within the page's margins.
    static std::pair<int32_t*, int32_t*> SnapDraggedEdges(int handle, RECT& r, OBJECT_VIEW* view);

    uint16_t page = 0;
    FORMOBJ* next = nullptr;
    FORMOBJ* prev = nullptr;
    uint16_t selected = 0;
    uint32_t memberSelected = 0;
    int32_t reserved = -1;
    std::string name;
    FORMOBJ* master = nullptr;
    RECT rect;
    uint16_t rotation = 0;
    ROTATION viewRotation;
    ROTATION rectRotation;
    ROTATION drawRotation;

    // Selection tracker state.
    uint32_t trackStyle = kTrackStandard;
    RECT trackRect;
    SIZE minSize {90, 90};
    int32_t handleSize = 90;
    int allowInvert = 0;
    // The view of the drag in progress, which a TrackerDrag runs on the
    // tracker's state.
    OBJECT_VIEW* trackView = nullptr;
    friend class TrackerDrag;
};
