// The style sheet: edits a copy of one style's prototype on the appearance
// pages its kind has, each change applied to the copy at once and shown in
// a live sample beside the pages. For a table style, buttons below the
// sample choose the part (cells, side headings, top headings) that the
// Text, Shade and Align pages edit. Nothing reaches the document unless
// the caller stores what EditStyle hands back.
#pragma once

#include "forms/dialogs/styles/style_pages.h"
#include "forms/dialogs/styles/style_sample.h"

#include "platform/ui/dialog/property_sheet.h"

#include <cstdint>
#include <memory>
#include <string>

class BORDER;
class FORMOBJ;
class FTABLE;
class QAbstractButton;
class QButtonGroup;
class SHADOW;
class BASICSHADE;
class TEXTATTR;

// String ids of the caption's start and of the OK button's text.
inline constexpr uint32_t kStyleSheetCaption = 114;
inline constexpr uint32_t kStyleSheetFinish = 124;
// The strip added at the sheet's right for the sample.
inline constexpr int kStyleSheetWidening = 115;

// The table-part buttons below the sample, and the parts they choose (the
// table's own part selectors).
inline constexpr int kCellsButton = 1270;
inline constexpr int kSideHeadingButton = 1271;
inline constexpr int kTopHeadingButton = 1272;
inline constexpr uint16_t kTablePartCells = 0;
inline constexpr uint16_t kTablePartSideHeadings = 1;
inline constexpr uint16_t kTablePartTopHeadings = 2;

class STYLESHEET : public ui::PropertySheet {
public:
    STYLESHEET(std::string caption, QWidget* parent, int startPage);
    ~STYLESHEET() override;

    // The prototype becomes a copy of the style and gets a page for each
    // attribute it has (the Text page without its own sample); 0 when the
    // style cannot be copied.
    int InitFromStyle(FORMOBJ* style);
    FORMOBJ* GetPrototype() const { return prototype.get(); }

    // The pages' changes, applied to the prototype; each redraws the
    // sample. The text change carries only the changed parts.
    void ApplyFont(const TEXTATTR& change);
    void ApplyBorder(const BORDER& border);
    void ApplyShade(const BASICSHADE& shade);
    void ApplyShadow(const SHADOW& shadow);
    void ApplyAlignment(uint8_t alignment);
    void ApplyLineSpacing(uint16_t spacing);
    void RedrawSample();

    // A table-part button: the part the Text, Shade and Align pages edit
    // from now on; those pages show that part's first member's look.
    // Nothing is applied.
    void SelectTablePart(int id);
    // 1 disables the table-part buttons, 0 enables them (nothing for a
    // prototype that is no table).
    void EnableTablePartButtons(int disable);
    uint16_t GetTablePart() const { return tablePart; }
    // The button of a part (1270 to 1272) while the sheet runs, or null.
    QAbstractButton* GetTablePartButton(int id) const;

    FONT_PAGE* GetTextPage() const { return textPage.get(); }
    LINEPAGE* GetBorderPage() const { return borderPage.get(); }
    SHADEPAGE* GetShadePage() const { return shadePage.get(); }
    SHADOWPP* GetShadowPage() const { return shadowPage.get(); }
    ALIGNPAGE* GetAlignPage() const { return alignPage.get(); }
    LSPACEDLG* GetSpacingPage() const { return spacingPage.get(); }
    STYLE_SAMPLE_BUTTON& GetSample() { return sample; }

protected:
    // The sheet grows by the sample's strip; Help and Apply go, OK reads
    // "Finish"; the sample is drawn.
    bool OnInitDialog() override;
    // The table-part buttons choose the part; the rest as any sheet.
    bool OnCommand(int id, unsigned code) override;
    void OnDestroyWindow() override;

private:
    // The prototype as a table, or null.
    FTABLE* GetTable() const;
    // Three radio buttons below the sample, "Cells" checked.
    void CreateTablePartButtons(int left, int sampleBottom);

    std::unique_ptr<FORMOBJ> prototype;
    std::unique_ptr<STYLE_PAGE<FONT_PAGE>> textPage;
    std::unique_ptr<STYLE_PAGE<LINEPAGE>> borderPage;
    std::unique_ptr<STYLE_PAGE<SHADEPAGE>> shadePage;
    std::unique_ptr<STYLE_PAGE<SHADOWPP>> shadowPage;
    std::unique_ptr<STYLE_PAGE<ALIGNPAGE>> alignPage;
    std::unique_ptr<STYLE_PAGE<LSPACEDLG>> spacingPage;
    STYLE_SAMPLE_BUTTON sample;
    // The buttons belong to the sheet's window and go with it.
    QButtonGroup* tablePartButtons = nullptr;
    uint16_t tablePart = kTablePartCells;
    int tablePartButtonsDisabled = 0;
    // Set while the pages are refilled for another part: what they report
    // then is no change of the user's.
    bool showingPart = false;
};

// Runs the sheet on the style: 1 and an edited copy in result after
// "Finish", else 0 and nothing.
int EditStyle(FORMOBJ* style, std::unique_ptr<FORMOBJ>& result, QWidget* parent);
