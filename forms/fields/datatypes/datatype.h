// The value of one data-entry field or table cell: it holds the value, turns
// it into display text and back, validates it against a rule and the limits
// of a bound database column, draws it, saves and loads itself, and
// exchanges it with the formula engine. Every operation has a default body,
// so that each kind overrides only what it supports.
#pragma once

#include "forms/fields/datatypes/column_limits.h"
#include "forms/fields/editor/edithandle.h"
#include "forms/model/end_edit_flags.h"
#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include "Abacine.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class FIELDEDITSITE;
class FORMOBJ;
class OBJECT_VIEW;
class RECORDARCHIVE;
class TEXTDRAWINFO;
class TEXTEDITWND;
class VIEWDC;
namespace io {
class Archive;
}

// Kind codes: GetTypeTag, and the group tag a data type is saved under.
constexpr uint8_t kKindNumber = 1;
constexpr uint8_t kKindDate = 2;
constexpr uint8_t kKindText = 3;
constexpr uint8_t kKindBarcode = 4;
constexpr uint8_t kKindCheckBox = 5;
constexpr uint8_t kKindMemo = 6;
constexpr uint8_t kKindPicture = 7;

// Operand kinds exchanged with the formula engine.
constexpr uint8_t kOperandNumber = 1;
constexpr uint8_t kOperandText = 2;
constexpr uint8_t kOperandError = 4;
constexpr uint8_t kOperandMessage = 8; // the payload is a string id
// The operand error code of a division by zero.
constexpr uint16_t kDivisionByZero = 100;

// Most bytes a value record is read in at once.
constexpr uint32_t kValueChunk = 100;

class DATATYPE {
public:
    DATATYPE();
    DATATYPE(const DATATYPE&) = delete;
    DATATYPE& operator=(const DATATYPE&) = delete;

    virtual const char* GetRuntimeClass() const { return "DATATYPE"; }
    virtual ~DATATYPE();
    virtual void ShowControl(int show);
    // Opens the in-place editor over the field with the value's edit text.
    // Nothing is reported on failure, and no control is left behind.
    virtual void CreateControl(const TEXTDRAWINFO& info, const RECT& editRect, const RECT& textRect, TEXTATTR attr,
        uint8_t alignment, uint16_t textLimit, const uint32_t* background1, const uint32_t* background2,
        OBJECT_VIEW* fillView, FORMOBJ* field, uintptr_t handleValue);
    // Takes the editor's text, validates it unless flags.acceptWithoutCheck
    // and stores it unless flags.closeWhenRefused; a refusal shows its
    // message and keeps the editor open unless flags.closeWhenRefused. 1 when
    // the text was taken and the editor closed; 0 when refused, or without an
    // editor.
    virtual int EndEdit(OBJECT_VIEW* view, const RECT& updateRect, END_EDIT_FLAGS flags);
    // Draws the value in the field's rectangle (twips); outputMode is the
    // drawing context's (1 fill view). 1.
    virtual int Draw(VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ* field,
        uint16_t outputMode);
    virtual int IsPicture() { return 0; }
    virtual void Save(RECORDARCHIVE& ar);
    // Reads the records up to and including 0xFF (the group's tag already
    // read); 0 on failure.
    virtual int Load(RECORDARCHIVE& ar);
    virtual std::unique_ptr<DATATYPE> Clone() const;
    virtual int IsTextEntered() { return 0; }
    virtual int SelectAllOnEdit() { return 0; }
    // The edit text of the value; 0 when there is none.
    virtual int GetText(std::string& out);
    // Parses the text, and validates it when flag is nonzero; 0 with the
    // message when refused. The value is not changed.
    virtual int SetText(std::string_view text, std::string& message, int flag);
    // Takes the text as the value; 1 when stored.
    virtual int StoreText(std::string_view text);
    virtual int KeepsFormatting() { return 0; }
    // Makes what the kind needs once it is created; 0 when out of memory.
    virtual int InitialiseValue() { return 1; }
    // Clears the error marker and sets the initial value.
    virtual int ResetValue(uint32_t increment);
    virtual void ClearValue() {}
    virtual void SetKeepsFormatting(int) {}
    // Kept free for a later kind; nothing calls it.
    virtual void ReservedHook(uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t) {}
    virtual void CloseControl(OBJECT_VIEW*, FORMOBJ*) {}
    virtual void Toggle(uintptr_t, uintptr_t) {}
    virtual void InvalidateOwner(uintptr_t, uintptr_t) {}
    virtual int HitControl(OBJECT_VIEW*, int32_t, int32_t, FORMOBJ*) { return 0; }
    virtual int HasControl() { return 0; }
    // Gives an open editor's window the focus.
    virtual void SetFocus(uintptr_t);
    virtual int16_t GetColumnType() { return kColumnNone; }
    virtual void TakeEditorText() {}
    virtual RECT& GetMarkRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int flag);
    // The field's text rectangle in the view's device units, invalidated in
    // the view when asked.
    virtual RECT& GetEditRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate);
    // The open editor's window; 0 (and null) while there is none.
    virtual int GetControl(TEXTEDITWND*& out);
    virtual void ReplaceSpellWord(std::string_view) {}
    virtual void ShowSpellWord() {}
    // 5: no more words.
    virtual uint8_t NextSpellWord(char*, int) { return 5; }
    virtual uint8_t GetTypeTag() { return 0; }
    virtual int IsEmpty() { return 0; }
    virtual int IsEditChanged() { return 0; }
    // Drops the error marker and the edited flag (the kinds the value); 0.
    virtual int Clear();
    virtual void ResetDataPos() {}
    virtual int16_t GetData(void* columnBuffer, uint16_t& length);
    virtual void EndGetData() {}
    virtual void ClearForData() { Clear(); }
    virtual int PutDataChunk(const char*, uint16_t) { return 1; }
    virtual void PutData(const void*) {}
    virtual void EndPutData() {}
    virtual int32_t GetValueLength() { return -1; }
    // The value record of the stream of filled-in values: u16 column code,
    // u32 length, the bytes. The base skips any value and writes code 0 with
    // length 0.
    virtual int LoadValue(io::Archive& ar);
    virtual int SaveValue(io::Archive& ar);
    virtual void GetOperand(OPERAND&) {}
    virtual void SetFromOperand(const OPERAND&) {}
    virtual void SetColumnLimits(int16_t sqlType, uint32_t columnSize, uint16_t scale);
    // 1 when the value held passes its rule; else 0 and the message.
    virtual int CheckRule(std::string& message);
    virtual void EncodeFaceNames(std::string&) {}
    virtual void DecodeFaceNames(std::string&) {}
    virtual int SetRule(
        uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message);
    virtual uint16_t GetRuleOperator() { return 0; }
    virtual int GetRule(int& negate, std::string& value1, std::string& value2);
    virtual int GetInitialValue(std::string& out, uint32_t increment);
    virtual int SetInitialValue(std::string_view text, std::string& message, uint32_t increment);
    // 0 equal, 1 greater, -1 less than the other value of the same kind.
    virtual int CompareValue(DATATYPE& other);
    virtual void MatchInitialValue(uintptr_t) {}

    // Skips the rest of a value record whose column code was not the kind's
    // own: 1 when all of it could be read.
    static int SkipValue(io::Archive& ar, uint32_t length);

    std::unique_ptr<EDITHANDLE> pEditHandle;
    // The site the open editor reports to; lives as long as pEditHandle.
    std::unique_ptr<FIELDEDITSITE> pEditSite;
    COLUMNLIMITS limits;
    int32_t bEdited = 0;
    int32_t bChanged = 0;
    int32_t bShown = 1;
    uint16_t wErrorId = 0;

protected:
    // 1 when an open editor's text differs from the value's edit text (the
    // number and date kinds).
    int EditTextDiffers();
    // Destroys the editor and its site, leaving no control.
    void CloseEditor();

    // Marks the value edited and changed.
    void MarkChanged()
    {
        bEdited = 1;
        bChanged = 1;
    }
};
