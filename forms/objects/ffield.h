// The data-entry field of a form: a rectangle that holds one typed value.
// The value belongs to the field's data type; the field adds its appearance,
// field id, value list (a drop-down list field), help text and the three
// data-entry switches.
#pragma once

#include "forms/fields/editor/texteditwnd_droplist.h"
#include "forms/model/end_edit_flags.h"
#include "forms/model/ffield_identity.h"
#include "forms/model/formobj.h"
#include "forms/model/textattr.h"

#include "platform/gdi/font.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class DATATYPE;
class FIELDVALUES;
class FOBJLIST;
class QWidget;
class TEXTEDITWND;
class VALUELISTBOX;

// Alignment a check box made by the insert tool gets (text at the right).
constexpr uint8_t kCheckBoxAlignment = 1;
// Narrowest list field: a field that gets values is widened to this.
constexpr int32_t kListFieldMinWidth = 360;

// String id of the message of an empty mandatory field.
constexpr uint16_t kFieldMustBeFilledId = 392;

// The values of a field's opened drop-down list: fills the list from the
// field's values, which it does not own.
class FIELDLISTSOURCE : public VALUESOURCE {
public:
    explicit FIELDLISTSOURCE(const FIELDVALUES* values)
        : values(values)
    {}
    // Empties the list box, then adds each value in list order.
    void Fill(VALUELISTBOX& box) override;

private:
    const FIELDVALUES* values;
};

// What a field hands its open editor for a drop-down list: the list's and
// the drop button's rectangles (twips, relative to the value rectangle's
// top-left corner), whether values not in the list may be entered, and the
// source of the values (owned by the field while its editor is open).
struct FIELDDROPLIST {
    RECT list {0, 0, 0, 0};
    RECT button {0, 0, 0, 0};
    int permitOthers = 1;
    FIELDLISTSOURCE* source = nullptr;
};

// String id of the field's appearance sheet caption, "Field Appearance".
constexpr uint16_t kFieldAppearanceCaption = 193;

class FFIELD
    : public FORMOBJ
    , public FieldIdentity {
public:
    FFIELD();
    ~FFIELD() override;

    const char* GetRuntimeClass() const override { return "FFIELD"; }
    // Default border (rounded flag 1), fill, shadow and a text data type
    // with its starting value; 0, owning none of them, on failure.
    int Init() override;
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeField; }
    // owner is the font table of the stream being read (or 0).
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    void Draw(VIEWDC& dc) override;
    // Fields are drawn also where only fields are.
    int IsDrawnIn(VIEWDC&) override { return 1; }
    FORMOBJ* ObjectAt(VIEWDC& dc, int32_t x, int32_t y) override;
    void GetActiveRect(RECT& out, VIEWDC& dc) override;
    // A list field clicked in its drop-button zone while it is the only
    // selected object shows or hides its list extent.
    void Select(OBJECT_VIEW* view) override;
    // Closes the data type's control and hides the list extent.
    uint16_t Deselect(OBJECT_VIEW* view) override;
    // A list field shows the move-border cursor over its drop-down button.
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // Only the bottom-middle handle while the list extent is shown.
    unsigned GetHandleMask() override;
    // Drags out a new field: at least 720 twips wide for a list field and
    // 360 for a check box while dragging, 90 afterwards.
    TrackNewResult TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert) override;
    // The same minimum widths while the field is moved or resized; with
    // the list extent shown, its bottom edge is dragged instead, keeping at
    // least one list row.
    int Track(OBJECT_VIEW* view, int32_t x, int32_t y) override;
    // The dragged rectangle inverted with the tracker's pen, and inside it
    // the baselines the field's font would have there, inverted too.
    void DrawTrackerRect(const RECT& rect, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view) override;
    // Until the appearance sheet exists there is nothing to show: 0.
    // The appearance sheet, captioned "Field Appearance".
    int ShowProperties(OBJECT_VIEW* view) override;
    int AcceptsPlacement() override { return 1; }
    // Property codes 1 data type, 2 values, 3 help text, 4 line spacing,
    // 5 mandatory, 6 protected, 7 save in database, 8 name; b is the view.
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;
    // arg is the document: a fresh default name and field id.
    void ExtRefresh(uintptr_t arg) override;
    // arg is the view; see the base. Also clears the mark of a lone radio
    // button and makes name and field id unique in the document.
    void DropMasterIfZero(int flag, uintptr_t arg) override;
    // 1 for bar-code and picture data types.
    int NeedsConversionFor(uintptr_t arg) override;
    int GetAttribute(int kind, uintptr_t out) override;
    void Invalidate(OBJECT_VIEW* view) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    void GetTypeName(std::string& out) const override;
    // a is the document: checks and normalises a new name; 0 refused (the
    // message shown).
    int ExtCheck(std::string& name, uintptr_t a) override;
    void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles) override;
    void GetBoundingRect(RECT& out) override;
    void ResetToDefaults() override;
    int GetBorder(BORDER* out) override;
    int GetShade(BASICSHADE* out) override;
    int GetFont(TEXTATTR* out) override;
    int GetAlignment(uint8_t* out) override;
    int GetShadow(SHADOW* out) override;
    void SetBorder(const BORDER& border) override;
    void SetShade(const BASICSHADE& shade) override;
    void SetFont(const TEXTATTR& attr) override;
    void SetAlignment(uint8_t align) override;
    void SetShadow(const SHADOW& shadow) override;
    void SetAttribute(int kind, uintptr_t value) override;
    // The base's change; a list field given a smaller size becomes one line
    // of the new font high.
    int ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view) override;

    // The field's added operations.
    virtual void InvalidateValue(OBJECT_VIEW* view);
    virtual FFIELD* GetCellAbove() { return nullptr; }
    virtual FFIELD* GetCellBelow() { return nullptr; }
    virtual void GetDropButtonRect(RECT& out, VIEWDC& dc);
    // Replaces the values by a copy of the given ones (none: a plain field).
    virtual void SetValueList(const FIELDVALUES* values, OBJECT_VIEW* view);
    virtual void SetLineSpacing(uint16_t spacing, OBJECT_VIEW* view);

    // FieldIdentity.
    uint16_t GetFieldID() const override { return nFieldId; }
    void SetFieldID(uint16_t id) override { nFieldId = id; }
    uint16_t GetTabIndex() const override { return nTabIndex; }
    void SetTabIndex(uint16_t index) override { nTabIndex = index; }

    int InitWithFont(const TEXTATTR& font);
    int CreateAs(
        uint8_t alignment, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font, const SHADOW& shadow);
    int CreateAsWithList(uint8_t alignment, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font,
        const SHADOW& shadow, bool withList);
    // kind 5 makes a check box (alignment 1).
    int SetType(uint8_t kind, uint8_t alignment, const BORDER& border, const BASICSHADE& shade, const TEXTATTR& font,
        const SHADOW& shadow);
    // A field on no page with a plain 12-point format, named by a string's
    // text or by a name; null on failure.
    static std::unique_ptr<FFIELD> CreateNamed(uint16_t stringId, uint16_t fieldId);
    static std::unique_ptr<FFIELD> CreateNamed(std::string_view name, uint16_t fieldId);
    // Shade, border, shadow, font, line spacing, alignment, copies of data
    // type and values, list height, help text and switches of another field.
    void CopyAttributesFrom(const FFIELD& other);
    // Replaces the data type by a copy of the given one (code 1).
    void SetDataType(const DATATYPE& type, OBJECT_VIEW* view);

    DATATYPE* GetDataType() const { return pDataType.get(); }
    FIELDVALUES* GetValueList() const { return pValues.get(); }
    // The data type is text or memo.
    bool IsTextType() const;
    bool IsCheckBox() const;
    // For a radio button, the member list of the group that holds it; null
    // for a field that is no radio button or is in no group.
    FOBJLIST* GetRadioGroup() const;
    // Marks a check box as a radio button of its list (non-null), or clears
    // the mark.
    void SetRadioGroup(const void* group);
    // The member list of the group that holds the field, told by the group;
    // it expires with the group.
    void SetHoldingList(std::weak_ptr<FOBJLIST> list) { wpHoldingList = std::move(list); }
    // The check box's radio flag.
    bool IsRadioButton() const;
    // Sets a check box's value.
    void SetCheck(int checked);
    // A check box's click: flips it, or checks a radio button and clears the
    // others of its group.
    void ToggleCheck(OBJECT_VIEW* view);
    // Clears the other checked radio buttons of the list that holds this
    // one (tellFormulas: mark the formulas that depend on them out of date).
    void UncheckRadioGroup(OBJECT_VIEW* view, int tellFormulas);
    void RepaintValue(OBJECT_VIEW* view);
    // The baseline layout in twips from the field's top: the first
    // baseline, the step between them and the font's descent.
    void GetBaselines(VIEWDC& dc, uint16_t& first, uint16_t& step, uint16_t& descent);
    // Bands under the text lines, in the design view only, with baselines
    // switched on; 0 when the pattern brush is missing.
    int DrawBaselines(VIEWDC& dc);
    // Metrics of the drop-down list's rows: Arial, 10 points.
    static gdi::TEXTMETRIC GetDefaultFontMetrics();
    // 1 for number, date, text, check box and memo.
    int IsCalculable() const;
    bool IsProtected() const { return bProtected != 0; }
    bool IsMandatory() const { return bMandatory != 0; }
    bool SavesInDatabase() const { return bSaveInDb != 0; }
    const std::string& GetHelpText() const { return strHelp; }
    void SetHelpText(std::string_view text) { strHelp = text; }
    uint16_t GetLineSpacing() const { return nLineSpacing; }
    // Where the drop-down list lies: under the field, as wide, its height
    // the only free quantity.
    RECT GetListExtent() const { return {rect.left, rect.bottom, rect.right, rect.bottom + nListHeight}; }
    void SetListBottom(int32_t bottom);
    bool IsListExtentShown() const { return bListShown; }
    uint32_t GetUpToDate() const { return nUpToDate; }
    void SetUpToDate(uint32_t flag) { nUpToDate = flag; }

    // Filling. The value goes back to the field's initial value (increment:
    // the document's counter); 0 on failure.
    int RevertValue(uint32_t increment);
    // 1 when the value passes the field's rule and a mandatory field is
    // filled in; else the view makes the field current, the message is
    // shown and the answer is 0. A protected field is valid.
    int CheckRule(OBJECT_VIEW* view);

    // Opens the field for editing in the fill view: point is the click
    // (device units) or null, toggle flips a check box, typed is 1 when a
    // typed key opens the editor. A protected or picture field is only
    // selected.
    void Activate(OBJECT_VIEW* view, const POINT* point, int toggle, int typed);
    // Ends the edit: the data type's end-of-edit result (0 refused, the
    // field stays in edit), or 1 with nothing to commit. A text not stored
    // (flags.closeWhenRefused) also leaves the formulas alone.
    int CommitEdit(OBJECT_VIEW* view, END_EDIT_FLAGS flags);
    // The field's help in a pop-up placed by the rectangle (screen pixels);
    // 0 when the field has no help text.
    virtual int ShowHelp(OBJECT_VIEW* view, const RECT& rect);
    void SetFocus();
    void ShowControl();
    void HideControl();
    // Empties the edit copy of the value.
    void ClearEditValue();
    // A copy of the data type as it stands, and that copy put back in its
    // place: a test fill keeps the form's own values this way.
    std::unique_ptr<DATATYPE> KeepDataType() const;
    void PutBackDataType(std::unique_ptr<DATATYPE> kept);
    // The open in-place editor window, or null.
    TEXTEDITWND* GetTextEditor() const;
    // The drop-down list an editor of this field is given (view's context).
    FIELDDROPLIST GetDropList(VIEWDC& dc);
    uint8_t BeginEdit(uintptr_t view, uintptr_t key, uintptr_t keyData) override;
    void EndEdit() override;
    int GetRichText(uintptr_t* out) override;
    int EditHookState() override;
    void EditHookCommand(uintptr_t arg) override;
    void EditHookReset() override;

private:
    int MakeAttributes();
    int32_t TrackingMinWidth() const;
    // Hands the drop-down list to the open editor; openNow opens it at once
    // (a click on the drop button).
    void GiveDropList(TEXTEDITWND& editor, const FIELDDROPLIST& list, bool openNow);
    // Shows the help text in its pop-up owned by the window.
    void ShowHelpPopup(QWidget* owner, const RECT& rect);
    void ReadHelpText(RECORDARCHIVE& ar);
    void WriteHelpText(RECORDARCHIVE& ar) const;
    void ReadDataTypeGroup(RECORDARCHIVE& ar);
    // The list extent under the field with the given height (none below 0,
    // and no deeper than coordinates reach).
    void PlaceListExtent(int32_t height);
    int32_t ListHeight() const { return nListHeight; }
    // The height of one line of the field's font (0 without the cache), and
    // a field taller than one line cut to one line.
    int32_t GetFontHeight();
    void CutToOneLine(OBJECT_VIEW* view);
    // The font's height and the border's inside above and below it; 0
    // without the font metrics cache.
    int32_t OneLineHeight(OBJECT_VIEW* view);

    std::unique_ptr<BORDER> pBorder;
    std::unique_ptr<BASICSHADE> pShade;
    std::unique_ptr<SHADOW> pShadow;
    TEXTATTR taFont;
    uint8_t nAlign = 0;
    uint16_t nLineSpacing = 0xFFFF;
    uint8_t bProtected = 0;
    uint8_t bMandatory = 0;
    uint8_t bSaveInDb = 1;
    uint16_t nFieldId = kNoFieldId;
    uint16_t nTabIndex = 0;
    uint32_t nUpToDate = 0;
    std::unique_ptr<DATATYPE> pDataType;
    int32_t nListHeight = 0;
    std::unique_ptr<FIELDVALUES> pValues;
    bool bListShown = false;
    std::string strHelp;
    std::weak_ptr<FOBJLIST> wpHoldingList;
    // The source of the drop-down list of the open editor.
    std::unique_ptr<FIELDLISTSOURCE> pListSource;
};
