// The handle on the in-place rich-text editor: it creates, opens, closes
// and deletes the editor window, and every operation is safe without an
// editor. Its static entries draw and measure a rich text outside editing
// through a temporary layout.
#pragma once

#include "forms/fields/editor/editdc.h"
#include "forms/fields/editor/text_draw_request.h"
#include "forms/fields/richtext/text_zoom.h"
#include "forms/model/textattr.h"
#include "platform/gdi/dc.h"

#include <cstdint>
#include <string>
#include <string_view>

class EDITSITE;
class QWidget;
class TEXTEDITWND;
class VALUESOURCE;
struct DROPLISTDESC;

class EDITHANDLE {
public:
    EDITHANDLE() = default;
    ~EDITHANDLE();
    EDITHANDLE(const EDITHANDLE&) = delete;
    EDITHANDLE& operator=(const EDITHANDLE&) = delete;

    // An editor for the site, without a window yet; 1.
    int Create(EDITSITE* site);
    // Opens the editor (see TEXTEDITWND::Open); on failure the editor is
    // deleted. 0 without an editor.
    int Open(const EDITDRAWVALUES& values, const EDITZOOM& zoom, std::string_view text, TEXTATTR attr,
        uint8_t alignment, uint16_t limit, const RECT& windowRect, const RECT& layoutRect, QWidget* parent,
        int keepBackground);
    void Destroy();
    // Takes the window away, keeping the text; DrawText draws again.
    void Close();
    // Brings the window back over the rectangle (device units of the parent).
    void CreateWnd(const RECT& rect, QWidget* parent);
    // Ends the edit and answers the text's height (twips); with deleteEditor
    // the handle is empty again. 0 without an editor.
    uint16_t EndEdit(int deleteEditor);
    std::string GetText() const;
    int32_t GetTextLength() const;
    EDITSITE* GetSite() const;
    // The source of the drop list's values; null without a value list.
    VALUESOURCE* GetValueSource() const;
    // Opens the drop list of a field with a value list (see
    // TEXTEDITWND::OpenDropList).
    void OpenDropList(const DROPLISTDESC& desc);
    void SetZoom(const EDITZOOM& zoom);
    // Moves the editor window; its drop list and button follow.
    void MoveWindow(const RECT& rect, bool repaint);
    void Redraw();
    int ApplyTextAttr(const TEXTATTR& attr);
    void SetAlignment(uint8_t alignment);
    void InvalidateText();
    void SelectAll();
    void StripCodes();
    void ReportCaretAttr();
    void SetBackColour(uint32_t colour);
    void SetBackColour2(uint32_t colour);
    void SetRichPaste(int flag);
    // The spelling walk is not built: 5 as without an editor.
    int NextSpellWord(char* /*buffer*/, int /*size*/) const { return 5; }
    // An editor exists and its window shows the text.
    bool ShowsText() const { return window != nullptr && state == 0; }
    TEXTEDITWND* Window() const { return window; }

    // Draws the text as the request describes it; on a window the origin is
    // snapped to whole device pixels. With heightOut nothing is drawn and the
    // laid-out height (twips) is stored there. 0 when the text cannot be
    // made into a buffer, else 1. With a handle whose editor shows the text,
    // nothing is drawn and the answer is 1.
    static int DrawText(
        gdi::DC& dc, const TEXTDRAWREQUEST& request, int16_t* heightOut = nullptr, const EDITHANDLE* handle = nullptr);
    // The laid-out height (twips) of the text at that width; 0 when the text
    // cannot be made into a buffer.
    static uint16_t MeasureText(gdi::DC& dc, uint8_t deviceKind, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
        std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing, int32_t width,
        int32_t height);

    uint32_t hidden = 0;

private:
    TEXTEDITWND* window = nullptr;
    uint32_t state = 0;
};
