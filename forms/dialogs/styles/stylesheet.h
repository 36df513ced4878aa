// The style sheet: edits a copy of one style's prototype on the appearance
// pages its kind has, each change applied to the copy at once and shown in
// a live sample beside the pages. Nothing reaches the document unless the
// caller stores what EditStyle hands back.
#pragma once

#include "forms/dialogs/styles/style_sample.h"

#include "platform/ui/dialog/property_sheet.h"

#include <cstdint>
#include <memory>
#include <string>

class ALIGNPAGE;
class BORDER;
class FONT_PAGE;
class FORMOBJ;
class LINEPAGE;
class LSPACEDLG;
class SHADEPAGE;
class SHADOWPP;
class SHADOW;
class BASICSHADE;
class TEXTATTR;

// String ids of the caption's start and of the OK button's text.
inline constexpr uint32_t kStyleSheetCaption = 114;
inline constexpr uint32_t kStyleSheetFinish = 124;
// The strip added at the sheet's right for the sample.
inline constexpr int kStyleSheetWidening = 115;

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
    void OnDestroyWindow() override;

private:
    std::unique_ptr<FORMOBJ> prototype;
    std::unique_ptr<FONT_PAGE> textPage;
    std::unique_ptr<LINEPAGE> borderPage;
    std::unique_ptr<SHADEPAGE> shadePage;
    std::unique_ptr<SHADOWPP> shadowPage;
    std::unique_ptr<ALIGNPAGE> alignPage;
    std::unique_ptr<LSPACEDLG> spacingPage;
    STYLE_SAMPLE_BUTTON sample;
};

// Runs the sheet on the style: 1 and an edited copy in result after
// "Finish", else 0 and nothing.
int EditStyle(FORMOBJ* style, std::unique_ptr<FORMOBJ>& result, QWidget* parent);
