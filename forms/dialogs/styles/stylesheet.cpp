#include "forms/dialogs/styles/stylesheet.h"

#include "forms/dialogs/appearance/align_page.h"
#include "forms/dialogs/appearance/font_page.h"
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/dialogs/appearance/shadow_page.h"
#include "forms/dialogs/appearance/spacing_page.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/res/program_resources.h"

#include <QWidget>

namespace {

// The attribute selector of the line spacing.
constexpr int kLineSpacingAttribute = 4;

} // namespace

STYLESHEET::STYLESHEET(std::string caption, QWidget* parent, int startPage)
    : ui::PropertySheet(std::move(caption), parent, startPage)
{}

STYLESHEET::~STYLESHEET() = default;

int STYLESHEET::InitFromStyle(FORMOBJ* style)
{
    prototype = style ? style->Clone() : nullptr;
    if (!prototype)
        return 0;
    FORMOBJ& object = *prototype;
    if (TEXTATTR font; object.GetFont(&font)) {
        textPage = std::make_unique<FONT_PAGE>(nullptr);
        textPage->SetStyleSheet(this);
        textPage->Editor().ShowSample(0);
        textPage->SetFont(font);
        AddPage(textPage.get());
    }
    if (BORDER border; object.GetBorder(&border)) {
        borderPage = std::make_unique<LINEPAGE>(nullptr);
        borderPage->SetStyleSheet(this);
        borderPage->SetBorder(border);
        AddPage(borderPage.get());
    }
    if (BASICSHADE shade; object.GetShade(&shade)) {
        shadePage = std::make_unique<SHADEPAGE>(nullptr);
        shadePage->SetStyleSheet(this);
        shadePage->SetShade(shade);
        AddPage(shadePage.get());
    }
    if (SHADOW shadow; object.GetShadow(&shadow)) {
        shadowPage = std::make_unique<SHADOWPP>(nullptr);
        shadowPage->SetStyleSheet(this);
        shadowPage->SetShadow(shadow);
        AddPage(shadowPage.get());
    }
    if (uint8_t alignment = 0; object.GetAlignment(&alignment)) {
        alignPage = std::make_unique<ALIGNPAGE>(nullptr);
        alignPage->SetStyleSheet(this);
        alignPage->SetAlignment(alignment);
        AddPage(alignPage.get());
    }
    if (uint16_t spacing = 0; object.GetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing))) {
        spacingPage = std::make_unique<LSPACEDLG>(nullptr);
        spacingPage->SetStyleSheet(this);
        spacingPage->SetSpacing(spacing);
        AddPage(spacingPage.get());
    }
    return 1;
}

void STYLESHEET::ApplyFont(const TEXTATTR& change)
{
    TEXTATTR font;
    if (!prototype || !prototype->GetFont(&font))
        return;
    font.Merge(change);
    prototype->SetFont(font);
    RedrawSample();
}

void STYLESHEET::ApplyBorder(const BORDER& border)
{
    if (!prototype)
        return;
    BORDER applied;
    applied.Copy(border);
    applied.reserved = 0;
    prototype->SetBorder(applied);
    RedrawSample();
}

void STYLESHEET::ApplyShade(const BASICSHADE& shade)
{
    if (!prototype)
        return;
    prototype->SetShade(shade);
    RedrawSample();
}

void STYLESHEET::ApplyShadow(const SHADOW& shadow)
{
    if (!prototype)
        return;
    prototype->SetShadow(shadow);
    RedrawSample();
}

void STYLESHEET::ApplyAlignment(uint8_t alignment)
{
    if (!prototype)
        return;
    prototype->SetAlignment(alignment);
    RedrawSample();
}

void STYLESHEET::ApplyLineSpacing(uint16_t spacing)
{
    if (!prototype)
        return;
    prototype->SetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing));
    RedrawSample();
}

void STYLESHEET::RedrawSample()
{
    sample.Redraw();
}

bool STYLESHEET::OnInitDialog()
{
    const bool result = ui::PropertySheet::OnInitDialog();
    QWidget* window = GetWindow();
    const int oldWidth = window->width();
    window->setFixedSize(oldWidth + kStyleSheetWidening, window->height());
    const uint8_t type = prototype ? prototype->GetType() : 0;
    sample.Create(window, gdi::RECT {oldWidth, kStyleSampleTop, oldWidth + kStyleSampleWidth, StyleSampleBottom(type)},
        prototype.get());
    EnableItem(ui::ID_HELP, false);
    ShowItem(ui::ID_HELP, false);
    EnableItem(ui::ID_APPLY_NOW, false);
    ShowItem(ui::ID_APPLY_NOW, false);
    SetDlgItemText(1, ProgramResources().LoadString(kStyleSheetFinish));
    RedrawSample();
    return result;
}

void STYLESHEET::OnDestroyWindow()
{
    sample.Destroy();
    ui::PropertySheet::OnDestroyWindow();
}

int EditStyle(FORMOBJ* style, std::unique_ptr<FORMOBJ>& result, QWidget* parent)
{
    if (!style)
        return 0;
    STYLESHEET sheet(ProgramResources().LoadString(kStyleSheetCaption) + style->GetName(), parent, 0);
    if (!sheet.InitFromStyle(style))
        return 0;
    if (sheet.DoModal() != 1)
        return 0;
    result = sheet.GetPrototype()->Clone();
    return result ? 1 : 0;
}
