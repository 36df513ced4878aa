// The static rich text of a form: text with inline format codes in the
// object rectangle, drawn with the object's font, alignment and line
// spacing. In the designer it is typed in place: an upright copy of the
// object (its editing proxy) carries the editor window while the edit runs.
#pragma once

#include "forms/fields/richtext/richtext.h"
#include "forms/model/formobj.h"
#include "forms/model/textattr.h"
#include "forms/model/textstr.h"

#include <cstdint>
#include <memory>
#include <string_view>

class EDITHANDLE;
class FIELDEDITSITE;
class FontFaces;
namespace ui {
class DataSource;
}

// Line spacing that makes each line as tall as its tallest font; any other
// value is a fixed line pitch in twips.
constexpr uint16_t kLineSpacingAuto = 0xFFFF;

// The most bytes a text object's text holds with its NUL: its record states
// that count plus 3 in a u16.
constexpr uint32_t kMaxTextObjectBytes = 65532;

// Attribute kind of the line spacing.
constexpr int kAttrLineSpacing = 4;

// One entry of the table that EditHookQuery takes: text starting with the
// key is replaced by the replacement.
struct TEXTREPLACEMENT {
    const char* key;
    uint16_t keyLength;
    const char* replacement;
};

struct TEXTREPLACEMENTS {
    uint16_t count;
    const TEXTREPLACEMENT* entries;
};

class FTEXTOBJ : public FORMOBJ {
public:
    FTEXTOBJ();
    ~FTEXTOBJ() override;

    const char* GetRuntimeClass() const override { return "FTEXTOBJ"; }
    // A text object has no attribute members to make.
    int Init() override;
    // The type byte, the base group 1, the font group 4, the text record
    // 0x81, the line spacing record 0x82, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeText; }
    // owner is the font table of the stream being read (or 0): typefaces,
    // of the font and in the text, are mapped into the program's table.
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    void Draw(VIEWDC& dc) override;
    // The base's appearance, then the text of a text object.
    void TakeAppearanceFrom(FORMOBJ& source) override;
    // The design view checks where a text object is placed.
    int AcceptsPlacement() override;
    // Kind 4 (a is the line spacing, b the view): detaches from the master,
    // sets the line spacing and invalidates the object.
    void OnEvent(uint8_t code, uintptr_t a, uintptr_t b) override;
    // Kind 4: out points at a u16 that takes the line spacing; with a
    // master, the master's answer.
    int GetAttribute(int kind, uintptr_t out) override;
    // Kind 4: value points at the u16 line spacing.
    void SetAttribute(int kind, uintptr_t value) override;
    // The text, with the master's font, alignment and line spacing when
    // there is a master (else this object's), the same master, rectangle
    // and rotation; page 0, unselected.
    std::unique_ptr<FORMOBJ> Clone() const override;
    // The base's sample set-up, the default font and the sample text.
    void ResetToDefaults() override;
    int GetFont(TEXTATTR* out) override;
    int GetAlignment(uint8_t* out) override;
    // Detaches from the master, merges the parts that are not mixed into
    // the font and strips the inline codes of those parts.
    void SetFont(const TEXTATTR& attr) override;
    void SetAlignment(uint8_t align) override;
    // Takes the master's font, alignment and line spacing as its own and
    // ends the link. The inline codes stay: they showed over the master's
    // font and show over the same font now.
    void DetachFromMaster() override;
    // The angle in tenths of a degree.
    int QueryAngle(uint16_t* out) override;
    // arg points at a TEXTREPLACEMENTS: the first entry whose key starts the
    // text replaces the whole text (carriage returns left out).
    int EditHookQuery(uintptr_t arg) override;
    // The drag outline and, for an unturned object, its text baselines.
    void DrawTrackerRect(const RECT& rect, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view) override;

    // Editing in place (ftextobj_edit.cpp, ftextobj_proxy.cpp).
    // Starts an edit: an upright proxy with the editor over it; 0 when an
    // edit runs already or the editor cannot be opened.
    int ShowProperties(OBJECT_VIEW* view) override;
    // The rubber band; once placed, the view goes back to the selection
    // tool, the object is selected and its edit starts (answer 2).
    TrackNewResult TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int invert) override;
    // Ends an edit: the text less trailing blanks and line feeds, an
    // unturned object as tall as its text plus 30 twips. An object left
    // without visible text deletes itself alone through the view and
    // answers 2; 1 when an editor was closed, else 0.
    uint16_t Deselect(OBJECT_VIEW* view) override;
    // While edited, the proxy is moved or sized and the object follows it.
    int Track(OBJECT_VIEW* view, int32_t x, int32_t y) override;
    // An open editor follows a new rectangle; a proxy's unturned owner
    // takes it too.
    void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void EndEdit() override;
    // The proxy and its owner are invalidated together.
    void Invalidate(OBJECT_VIEW* view) override;
    void DrawSelection(VIEWDC& dc) override;
    // A turned object being edited shows its place hatched.
    void DrawTracker(VIEWDC& dc) override;
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // A proxy answers its handles; inside it belongs to the editor (-1).
    int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y) override;
    void GetTrackRotation(ROTATION& out) override;
    int CanAlign() override;
    int CanCut() override;
    int CanCopy() override;
    // While edited: the proxy's editor window (a TEXTEDITWND) and 1.
    int GetRichText(uintptr_t* out) override;
    int EditHookState() override;
    // After a zoom or scroll: the editor moves to the object's new place.
    void EditHookCommand(uintptr_t view) override;
    void EditHookReset() override;
    // Reads the open editor's text (the proxy's while edited) into the
    // object; the count, 0 (text cleared) for an empty or absent editor,
    // -1 when the text cannot be held (the old text stays).
    virtual int TakeEditorText();

    // Opens the editor over the object in the view; a start flag of 1
    // keeps the window hidden. 1 on success.
    int OpenEditor(OBJECT_VIEW* view, uint32_t startFlag);
    // The text, all of it, in the editor's clipboard formats: native text,
    // plain text and the font list, through a hidden editor.
    int CopyTextToClipboard(OBJECT_VIEW* view, ui::DataSource& into);
    // The rectangle the turned object takes for its proxy's rectangle.
    void RectFromProxy(RECT& out, const RECT& proxyRect) const;
    bool IsBeingEdited() const { return pEditProxy != nullptr; }
    FTEXTOBJ* GetEditProxy() const { return pEditProxy.get(); }
    // The editor of the edit, the proxy's while edited; null without one.
    EDITHANDLE* GetEditor() const;

    // Init, then the font and alignment; 0 when Init fails.
    int Create(const TEXTATTR& font, uint8_t align);
    // Record 0x81, straight to the archive: u16 length n + 3, u8 alignment,
    // u16 n, the n bytes of the text with its NUL.
    void SaveText(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads record 0x81 (its tag already read); typeface codes are mapped
    // from the source table into the program's.
    void LoadText(RECORDARCHIVE& ar, const FontFaces* source);
    // Draws the text in the object rectangle, or with heightOut only
    // measures it (the laid-out height in twips). The engine's answer.
    int DrawText(VIEWDC& dc, int16_t* heightOut);
    // Removes the inline codes of every part that applied sets (not mixed).
    void StripCodes(const TEXTATTR& applied);
    // Removes trailing blanks and line feeds (format codes between them are
    // stepped over); answers how many characters went. A text of one
    // character stays.
    uint16_t TrimTrailingBlanks();

    const TEXTSTR& GetText() const { return txText; }
    // The text up to its first zero byte; 0 when it cannot be held or its
    // record could not state its length (the old text stays).
    int SetText(std::string_view text);
    // Whether a text of that many bytes (no NUL) fits the text record; an
    // edit that would make the text longer is refused like an overflow.
    static bool TextLengthFits(size_t length) { return length < kMaxTextObjectBytes; }
    uint16_t GetLineSpacing() const { return nLineSpacing; }

private:
    // Text is laid out by the default printer's character widths: the
    // drawing context does not name the page's printer.
    static constexpr int8_t kLayoutSlot = 0;
    // The font, alignment and line spacing the text is laid out with (a
    // master's when there is one).
    void GetTextFormat(TEXTATTR& font, uint8_t& align, uint16_t& spacing);
    // The upright stand-in for this object while it is edited.
    std::unique_ptr<FTEXTOBJ> MakeProxy();
    // The editor window over the object's place in the view, for its zoom.
    void PlaceEditor(OBJECT_VIEW* view);
    // Whether the text holds nothing but blanks, line feeds and codes.
    bool HoldsOnlyBlanks() const;
    // The end of a proxy's edit: its text, height and the owner's.
    uint16_t DeselectProxy(OBJECT_VIEW* view);
    // Ends and deletes the editor and its site.
    void DropEditor();

    TEXTSTR txText;
    TEXTATTR taFont;
    uint8_t nAlign = kTextAlignLeft;
    uint16_t nLineSpacing = kLineSpacingAuto;
    std::unique_ptr<FIELDEDITSITE> pEditSite;
    std::unique_ptr<EDITHANDLE> pEditor;
    // In a proxy, the object it stands for.
    FTEXTOBJ* pProxyOwner = nullptr;
    std::unique_ptr<FTEXTOBJ> pEditProxy;
    // The view the editor was opened in.
    OBJECT_VIEW* editView = nullptr;
};
