#include "forms/dialogs/styles/stylesheet.h"

#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/objects/ftable.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/dialog/notifications.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QWidget>

namespace {

// The attribute selector of the line spacing.
constexpr int kLineSpacingAttribute = 4;

// The table-part buttons: from the top, each 8 pixels below the one above
// (the first below the sample) and 15 pixels high, with their captions.
constexpr int kPartButtonGap = 8;
constexpr int kPartButtonHeight = 15;
struct PartButton {
    int id;
    uint32_t caption;
};
constexpr PartButton kPartButtons[] = {
    {kTopHeadingButton, 221},
    {kSideHeadingButton, 220},
    {kCellsButton, 222},
};

uint16_t PartOfButton(int id)
{
    switch (id) {
    case kSideHeadingButton:
        return kTablePartSideHeadings;
    case kTopHeadingButton:
        return kTablePartTopHeadings;
    default:
        return kTablePartCells;
    }
}

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
        textPage = std::make_unique<STYLE_PAGE<FONT_PAGE>>(*this, false);
        textPage->Editor().ShowSample(0);
        textPage->SetFont(font);
        AddPage(textPage.get());
    }
    if (BORDER border; object.GetBorder(&border)) {
        borderPage = std::make_unique<STYLE_PAGE<LINEPAGE>>(*this, true);
        borderPage->SetBorder(border);
        AddPage(borderPage.get());
    }
    if (BASICSHADE shade; object.GetShade(&shade)) {
        shadePage = std::make_unique<STYLE_PAGE<SHADEPAGE>>(*this, false);
        shadePage->SetShade(shade);
        AddPage(shadePage.get());
    }
    if (SHADOW shadow; object.GetShadow(&shadow)) {
        shadowPage = std::make_unique<STYLE_PAGE<SHADOWPP>>(*this, true);
        shadowPage->SetShadow(shadow);
        AddPage(shadowPage.get());
    }
    if (uint8_t alignment = 0; object.GetAlignment(&alignment)) {
        alignPage = std::make_unique<STYLE_PAGE<ALIGNPAGE>>(*this, false);
        alignPage->SetAlignment(alignment);
        AddPage(alignPage.get());
    }
    if (uint16_t spacing = 0; object.GetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing))) {
        spacingPage = std::make_unique<STYLE_PAGE<LSPACEDLG>>(*this, true);
        spacingPage->SetSpacing(spacing);
        AddPage(spacingPage.get());
    }
    tablePart = kTablePartCells;
    return 1;
}

FTABLE* STYLESHEET::GetTable() const
{
    return prototype && prototype->GetType() == kTypeTable ? dynamic_cast<FTABLE*>(prototype.get()) : nullptr;
}

void STYLESHEET::ApplyFont(const TEXTATTR& change)
{
    if (showingPart)
        return;
    if (FTABLE* table = GetTable()) {
        table->SetPartTextAttr(change, tablePart);
        RedrawSample();
        return;
    }
    TEXTATTR font;
    if (!prototype || !prototype->GetFont(&font))
        return;
    font.Merge(change);
    prototype->SetFont(font);
    RedrawSample();
}

void STYLESHEET::ApplyBorder(const BORDER& border)
{
    if (!prototype || showingPart)
        return;
    BORDER applied;
    applied.Copy(border);
    applied.reserved = 0;
    prototype->SetBorder(applied);
    RedrawSample();
}

void STYLESHEET::ApplyShade(const BASICSHADE& shade)
{
    if (!prototype || showingPart)
        return;
    if (FTABLE* table = GetTable())
        table->SetPartShade(shade, tablePart);
    else
        prototype->SetShade(shade);
    RedrawSample();
}

void STYLESHEET::ApplyShadow(const SHADOW& shadow)
{
    if (!prototype || showingPart)
        return;
    prototype->SetShadow(shadow);
    RedrawSample();
}

void STYLESHEET::ApplyAlignment(uint8_t alignment)
{
    if (!prototype || showingPart)
        return;
    if (FTABLE* table = GetTable())
        table->SetPartAlign(alignment, tablePart);
    else
        prototype->SetAlignment(alignment);
    RedrawSample();
}

void STYLESHEET::ApplyLineSpacing(uint16_t spacing)
{
    if (!prototype || showingPart)
        return;
    prototype->SetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing));
    RedrawSample();
}

void STYLESHEET::RedrawSample()
{
    sample.Redraw();
}

void STYLESHEET::SelectTablePart(int id)
{
    FTABLE* table = GetTable();
    if (!table)
        return;
    tablePart = PartOfButton(id);
    if (QAbstractButton* button = GetTablePartButton(id); button && !button->isChecked())
        button->setChecked(true);
    BASICSHADE shade;
    TEXTATTR font;
    uint8_t alignment = 0;
    int hasShade = 0, hasFont = 0, hasAlignment = 0;
    switch (tablePart) {
    case kTablePartSideHeadings:
        hasShade = table->GetRowHeaderShade(&shade);
        hasFont = table->GetRowHeaderTextAttr(&font);
        hasAlignment = table->GetRowHeaderAlign(&alignment);
        break;
    case kTablePartTopHeadings:
        hasShade = table->GetColumnHeaderShade(&shade);
        hasFont = table->GetColumnHeaderTextAttr(&font);
        hasAlignment = table->GetColumnHeaderAlign(&alignment);
        break;
    default:
        hasShade = table->GetCellShade(&shade);
        hasFont = table->GetCellTextAttr(&font);
        hasAlignment = table->GetCellAlign(&alignment);
        break;
    }
    // A part the table lacks (no header band) leaves the pages as they are.
    showingPart = true;
    if (shadePage && hasShade) {
        shadePage->SetShade(shade);
        shadePage->ShowAgain();
    }
    if (alignPage && hasAlignment) {
        alignPage->SetAlignment(alignment);
        alignPage->ShowAgain();
    }
    if (textPage && hasFont) {
        textPage->SetFont(font);
        textPage->ShowAgain();
    }
    showingPart = false;
}

void STYLESHEET::EnableTablePartButtons(int disable)
{
    if (!GetTable())
        return;
    tablePartButtonsDisabled = disable;
    if (tablePartButtons)
        for (QAbstractButton* button : tablePartButtons->buttons())
            button->setEnabled(!disable);
}

QAbstractButton* STYLESHEET::GetTablePartButton(int id) const
{
    return tablePartButtons ? tablePartButtons->button(id) : nullptr;
}

void STYLESHEET::CreateTablePartButtons(int left, int sampleBottom)
{
    QWidget* window = GetWindow();
    tablePartButtons = new QButtonGroup(window);
    tablePartButtons->setExclusive(true);
    int top = sampleBottom;
    for (const PartButton& part : kPartButtons) {
        top += kPartButtonGap;
        auto* radio = new QRadioButton(text::ToQString(ProgramResources().LoadString(part.caption)), window);
        radio->setObjectName(QStringLiteral("ctl_%1").arg(part.id));
        radio->setFont(window->font());
        radio->setGeometry(left, top, kStyleSampleWidth, kPartButtonHeight);
        radio->setEnabled(!tablePartButtonsDisabled);
        tablePartButtons->addButton(radio, part.id);
        QObject::connect(radio, &QRadioButton::clicked, radio, [this, id = part.id] { OnCommand(id, ui::BN_CLICKED); });
        radio->show();
        top += kPartButtonHeight;
    }
    tablePartButtons->button(kCellsButton)->setChecked(true);
}

bool STYLESHEET::OnCommand(int id, unsigned code)
{
    if (id == kCellsButton || id == kSideHeadingButton || id == kTopHeadingButton) {
        if (code == ui::BN_CLICKED)
            SelectTablePart(id);
        return true;
    }
    return ui::PropertySheet::OnCommand(id, code);
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
    if (GetTable())
        CreateTablePartButtons(oldWidth, StyleSampleBottom(type));
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
    tablePartButtons = nullptr;
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
