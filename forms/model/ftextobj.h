// The static rich text of a form: text with inline format codes in the
// object rectangle, drawn with the object's font, alignment and line
// spacing. Editing in place is not built yet: a text object is selected,
// moved and resized like a box.
#pragma once

#include "forms/fields/richtext/richtext.h"
#include "forms/model/formobj.h"
#include "forms/model/textattr.h"
#include "forms/model/textstr.h"

#include <cstdint>
#include <string_view>

class FontFaces;

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
    TEXTSTR txText;
    TEXTATTR taFont;
    uint8_t nAlign = kTextAlignLeft;
    uint16_t nLineSpacing = kLineSpacingAuto;
};
