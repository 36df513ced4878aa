// The editing engine behind the in-place editor: it owns the caret, the
// selection and the typing format of one rich text, turns characters,
// deletions, cursor keys, clicks and format commands into edits of its
// buffer, and refuses (with a beep, restoring the text) any edit that would
// make the text overflow its rectangle. It draws and places the caret
// through its owner window and reports formats to the owner's edit site.
#pragma once

#include "forms/fields/richtext/line_cache.h"
#include "forms/fields/richtext/textline.h"
#include "forms/fields/richtext/textpos.h"
#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class DataSource;
}

class EDITOROWNER;
class EDITSITE;
class FontFaces;
class RICHTEXT;
class TEXTDRAWINFO;

// The cursor keys, by their virtual-key codes.
constexpr unsigned kKeyEnd = 0x23;
constexpr unsigned kKeyHome = 0x24;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

// The message shown when a paste stops short.
inline constexpr std::string_view kInsertFailedText = "Failed to insert all the text.";

class RICHEDITOR {
public:
    RICHEDITOR(EDITOROWNER* owner, RICHTEXT* text);
    virtual ~RICHEDITOR() = default;
    RICHEDITOR(const RICHEDITOR&) = delete;
    RICHEDITOR& operator=(const RICHEDITOR&) = delete;

    // Clears the state and puts the caret on the character under (x, y)
    // (twips of the text, clamped to it); used when editing starts and on a
    // click.
    void Restart(const TEXTDRAWINFO& drawInfo, int32_t x, int32_t y);
    int RestartOk(const TEXTDRAWINFO& drawInfo, int32_t x, int32_t y);

    // Edits; each answers 1 on success, 0 when nothing was done or the edit
    // was refused because the text would no longer fit.
    int OnChar(unsigned char ch);
    // Inserts the bytes at the caret in the typing format; a format code
    // among them changes only the inserted text.
    int InsertText(const char* chars, int n);
    int DeleteChar();
    int OnBackspace();
    int DeletePrevWord();
    // Deletes the selected characters; format codes inside keep their effect
    // on the text after the selection.
    int DeleteSelection();
    // A plain string, as a paste of plain text: CR dropped, LF kept.
    int InsertPlainText(std::string_view text);
    // Format command: the fields of attr that are not mixed are applied to
    // the selection, or to the typing format without one.
    int SetSelectionAttr(const TEXTATTR& attr);
    // The format common to the selection (differing fields mixed), or the
    // typing format; resolved against the text's default.
    int GetSelectionAttr(TEXTATTR& out);
    int StripCodes();
    int SelectAll();
    int SelectWord();
    int ClearSelection();
    void InvertRange(const TEXTPOS& from, const TEXTPOS& to);

    // A cursor key with the Shift and Ctrl state of the key event; 0 when the
    // caret could not move (nothing changes then).
    int OnKeyDown(unsigned key, bool shift, bool ctrl);
    // The position under a point of the text.
    TEXTPOS HitTest(POINT point, bool mayPassEnd);
    // Mouse drag: the selection runs from the anchor to the point.
    void ExtendSelection(POINT point);
    // Lays the text out again and repaints every line.
    void Reformat();
    void ShowCaretAtPos();
    // Lays the text out; with check, 0 when it no longer fits (the site may
    // grow the object first); with repaint, draws the lines that changed.
    int Layout(const TEXTDRAWINFO& drawInfo, bool repaint, bool check);
    void UpdateCaret(bool show);
    void CreateCaret();
    POINT CaretPoint() const { return {caretX, caretY}; }
    int32_t CaretHeight(const TEXTDRAWINFO& drawInfo);

    // What a painted line showed, to repaint only lines that changed.
    struct LINEKEY {
        int32_t start = 0;
        int32_t end = 0;
        TEXTATTR attr;
        int32_t top = 0;
        int32_t bottom = 0;
        bool operator==(const LINEKEY& other) const
        {
            return start == other.start && end == other.end && attr.IsEqual(other.attr) && top == other.top
                && bottom == other.bottom;
        }
    };

    // The text with its caret, selection and typing format, as an edit
    // that is refused restores them.
    struct SNAPSHOT {
        int32_t caret = -1;
        int32_t anchor = -1;
        int32_t selEnd = -1;
        TEXTATTR typingAttr;
        uint8_t selectionActive = 0;
        std::string text;
        // What the window showed of each line.
        std::vector<LINEKEY> painted;
    };
    void SaveSnapshot();
    void RestoreSnapshot();
    // A snapshot for the caller to keep, and its return; the caller lays
    // the text out and repaints it afterwards.
    SNAPSHOT TakeState();
    void PutState(const SNAPSHOT& state);

    // The rich-text clipboard.
    // Copies an active selection in the native format, as plain text and
    // with the font table; 0 without a selection or when refused.
    int CopyToClipboard();
    // The same formats into a data source of the caller's.
    int CopyTo(ui::DataSource& source);
    int PasteFromClipboard(const TEXTDRAWINFO& drawInfo);
    // The selection as plain text (CR as CR LF, no codes) and in the native
    // format (a lead run stating the format at its start, then its bytes),
    // each ended by 0.
    std::string GetSelectionText();
    std::string GetSelectionRich();
    int32_t TextLength(const TEXTPOS& start, const TEXTPOS& end) const;
    int32_t RichLength(const TEXTPOS& start, const TEXTPOS& end, bool backOverCodes, bool withLead) const;
    // Inserts a clipboard text at the caret in chunks, as much as fits; a
    // native text's typeface codes are first mapped through fontTable. attr,
    // when given, is the format of every chunk.
    int InsertClipboardText(const TEXTDRAWINFO& drawInfo, std::string_view text, const FontFaces* fontTable, bool rich,
        const TEXTATTR* attr);

    const TEXTPOS& GetCaret() const { return caret; }
    const TEXTPOS& GetAnchor() const { return anchor; }
    const TEXTPOS& GetSelEnd() const { return selEnd; }
    bool IsSelectionActive() const { return selectionActive != 0; }
    const TEXTATTR& GetTypingAttr() const { return typingAttr; }
    RICHTEXT* GetText() const { return text; }
    // The format in force at a position: the text's default changed by
    // every code before it.
    TEXTATTR FormatAt(const TEXTPOS& pos) const;

    // 1: edits are undone when the text no longer fits.
    uint32_t checkFit = 1;
    // Set: the overflow beep is not sounded.
    uint32_t quiet = 0;

private:
    // The owner window's drawing context for the length of one operation.
    class DrawScope {
    public:
        explicit DrawScope(EDITOROWNER* owner);
        ~DrawScope();
        DrawScope(const DrawScope&) = delete;
        DrawScope& operator=(const DrawScope&) = delete;
        const TEXTDRAWINFO& operator*() const { return *info; }

    private:
        EDITOROWNER* owner;
        TEXTDRAWINFO* info;
    };

    EDITSITE* Site() const;
    // Every line of the text, broken (no stop at the bottom): only what an
    // edit since the last call changed is broken again. Valid until the
    // next edit.
    const std::vector<TEXTLINE>& LayoutLines(const TEXTDRAWINFO& drawInfo);
    // The index of the caret's line among the lines last laid out.
    size_t CaretLineIndex() const;
    // Whether the laid-out text fits its rectangle; the site may grow it.
    bool Fits(const std::vector<TEXTLINE>& lines);
    // Draws the lines that changed (every line with all) and fills the area
    // below the last line.
    void Paint(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool all);
    void Fill(const TEXTDRAWINFO& drawInfo, int32_t top, int32_t bottom) const;
    // Places the caret point on its line; remember keeps it as the column
    // for Up and Down.
    void PlaceCaret(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool remember);
    void ReportFormat();
    TEXTSELECTION Selection() const;

    // Buffer edits that keep caret, anchor and selection end on their
    // characters: a position at the insertion point moves past it.
    void InsertBytes(int32_t at, std::string_view bytes);
    void DeleteBytes(int32_t at, int32_t n);
    // Moves each held position off a code run it stands on.
    void SkipHeldCodes();
    // The typing format written around bytes inserted at the caret.
    void InsertAtCaret(std::string_view bytes);
    // Rewrites the run of codes around the offset as the fewest codes with
    // the same effect, unless it is already that long.
    void NormaliseCodes(int32_t at);
    // Deletes the characters between the offsets, keeping the codes.
    void DeleteVisible(int32_t from, int32_t to);
    // Ends an edit: layout with the fit check, then repaint, or restore the
    // snapshot with a beep; reports the format at the caret.
    int FinishEdit(bool check);
    int32_t Offset(const TEXTPOS& pos) const;
    TEXTPOS AtOffset(int32_t offset) const;
    void SetCaretToOffset(int32_t offset);
    void MarkDirty(int32_t from, int32_t to);
    // Moves the caret from a key; false when it cannot move.
    bool MoveForKey(unsigned key, bool ctrl, const std::vector<TEXTLINE>& lines, TEXTPOS& to, bool& vertical) const;
    // The position under a point of the text (clamped to it).
    TEXTPOS PointToPos(const std::vector<TEXTLINE>& lines, POINT point, bool mayPassEnd) const;
    // After the caret moved: the typing format, the caret point, the site.
    void AfterCaretMove(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool remember);

    EDITOROWNER* owner;
    RICHTEXT* text;

    // Caret point (twips of the text) and the column Up and Down keep.
    int32_t caretX = 0;
    int32_t caretY = 0;
    int32_t columnX = 0;
    int32_t columnY = 0;
    int32_t caretHeight = 0;
    TEXTATTR typingAttr;
    TEXTPOS caret;
    TEXTPOS anchor;
    TEXTPOS selEnd;
    SNAPSHOT snapshot;
    std::vector<LINEKEY> painted;
    LINECACHE lineCache;
    int32_t dirtyFrom = -1;
    int32_t dirtyTo = -1;

    uint8_t keySelect = 0; // 1 while a Shift-selection is being extended
    uint8_t doubleClickSelect = 0;
    uint8_t wordSelect = 0;
    uint8_t selectionActive = 0;
    uint8_t caretShown = 0;
    uint8_t caretCreated = 0;
};
