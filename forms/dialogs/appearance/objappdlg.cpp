#include "forms/dialogs/appearance/objappdlg.h"

#include "forms/dialogs/appearance/align_page.h"
#include "forms/dialogs/appearance/font_page.h"
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/dialogs/appearance/shadow_page.h"
#include "forms/dialogs/appearance/spacing_page.h"
#include "forms/model/formobj.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {

// Strings "Data >>" and "Actions >>".
constexpr uint32_t kDataButtonText = 442;
constexpr uint32_t kActionsButtonText = 487;
// The attribute selector of the line spacing.
constexpr int kLineSpacingAttribute = 4;

} // namespace

OBJAPPDLG::OBJAPPDLG(uint16_t captionId, QWidget* parent, int startPage)
    : ui::PropertySheet(ProgramResources().LoadString(captionId), parent, startPage)
{}

OBJAPPDLG::~OBJAPPDLG() = default;

int OBJAPPDLG::InitFromObject(FORMOBJ* target, OBJECT_VIEW* targetView)
{
    object = target;
    view = targetView;
    if (TEXTATTR font; object->GetFont(&font)) {
        textPage = std::make_unique<FONT_PAGE>(this);
        textPage->SetFont(font);
        AddPage(textPage.get());
    }
    if (BORDER border; object->GetBorder(&border)) {
        borderPage = std::make_unique<LINEPAGE>(this);
        borderPage->SetBorder(border);
        AddPage(borderPage.get());
    }
    if (BASICSHADE shade; object->GetShade(&shade)) {
        shadePage = std::make_unique<SHADEPAGE>(this);
        shadePage->SetShade(shade);
        AddPage(shadePage.get());
    }
    if (SHADOW shadow; object->GetShadow(&shadow)) {
        shadowPage = std::make_unique<SHADOWPP>(this);
        shadowPage->SetShadow(shadow);
        AddPage(shadowPage.get());
    }
    if (uint8_t alignment = 0; object->GetAlignment(&alignment)) {
        alignPage = std::make_unique<ALIGNPAGE>(this);
        alignPage->SetAlignment(alignment);
        AddPage(alignPage.get());
    }
    if (uint16_t spacing = 0; object->GetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing))) {
        spacingPage = std::make_unique<LSPACEDLG>(this);
        spacingPage->SetSpacing(spacing);
        AddPage(spacingPage.get());
    }
    return 1;
}

bool OBJAPPDLG::OnInitDialog()
{
    EnableItem(ui::ID_APPLY_NOW, false);
    ShowItem(ui::ID_APPLY_NOW, false);
    const uint8_t type = object ? object->GetType() : 0;
    if (type == kTypeField || type == kTypeButton) {
        gdi::RECT r = GetItemRect(ui::ID_HELP);
        r.left -= kDataButtonWidening;
        MoveItem(ui::ID_HELP, r);
        SetDlgItemText(
            ui::ID_HELP, ProgramResources().LoadString(type == kTypeField ? kDataButtonText : kActionsButtonText));
        EnableItem(ui::ID_HELP, true);
    } else {
        EnableItem(ui::ID_HELP, false);
        ShowItem(ui::ID_HELP, false);
    }
    return ui::PropertySheet::OnInitDialog();
}

bool OBJAPPDLG::OnCommand(int id, unsigned code)
{
    if (id == ui::ID_HELP && code == ui::BN_CLICKED) {
        if (RunOkSteps())
            EndDialog(kSheetResultData);
        return true;
    }
    return ui::PropertySheet::OnCommand(id, code);
}
