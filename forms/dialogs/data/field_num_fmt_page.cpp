#include "forms/dialogs/data/field_num_fmt_page.h"

#include "forms/dialogs/controls/colour_menu.h"
#include "forms/dialogs/data/framework_messages.h"
#include "forms/dialogs/data/number_page_draw.h"
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/updown.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>
#include <QWidget>

namespace {

constexpr uint32_t kNumberFormatPageId = 2026;
constexpr int kCategoryList = 1250;
constexpr int kSample = 1237;
constexpr int kDecimalsLabel = 1248;
constexpr int kDecimals = 1249;
constexpr int kUpDown = 1238;
constexpr int kSeparator = 1223;
constexpr int kNegativeLabel = 1251;
constexpr int kNegativeList = 1239;
constexpr int kStyleHeight = 13;
constexpr uint16_t kDecimalsRange = 145;
constexpr uint32_t kNotAnInteger = 61712;
constexpr uint32_t kIntegerOutOfRange = 61714;
constexpr uint16_t kSeparatorText = 1223;
constexpr std::array<uint16_t, 4> kCategoryNames = {139, 140, 141, 142};
constexpr std::array<const char*, 4> kStyleLabels
    = {"Same colour, no space", "Diff col, no ' ' no '-' ", "Same colour, space", "Diff colour, space"};

// The Custom controls, and per format (positive, negative, zero) its mask
// edit, separator check, prescale check and colour button.
constexpr std::array<int, 21> kCustomControls = {1252, 1253, 1254, 1256, 1257, 1258, 1259, 1260, 1261, 1240, 1241, 1242,
    1243, 1244, 1245, 1246, 1247, 1067, 1262, 1263, 1264};
constexpr std::array<int, 3> kMaskEdits = {1259, 1260, 1261};
constexpr std::array<int, 3> kSeparatorChecks = {1240, 1242, 1244};
constexpr std::array<int, 3> kPrescaleChecks = {1241, 1243, 1245};
constexpr std::array<int, 3> kColourButtons = {1246, 1247, 1067};
constexpr std::array<int, 6> kSimpleControls
    = {kNegativeList, kNegativeLabel, kSeparator, kDecimalsLabel, kDecimals, kUpDown};

template<class Array>
int IndexOf(const Array& ids, int id)
{
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id)
            return static_cast<int>(i);
    return -1;
}

} // namespace

FIELD_NUM_FMT_PAGE::FIELD_NUM_FMT_PAGE()
    : ui::PropertyPage(ProgramResources().LoadDialog(kNumberFormatPageId))
{}

FIELD_NUM_FMT_PAGE::~FIELD_NUM_FMT_PAGE() = default;

void FIELD_NUM_FMT_PAGE::SetDataType(DATATYPE* type)
{
    dataType = dynamic_cast<NUMBERDATATYPE*>(type);
}

NUMBERFORMAT* FIELD_NUM_FMT_PAGE::FormatAt(int index) const
{
    if (!dataType)
        return nullptr;
    return index == 0 ? dataType->pPositive.get() : index == 1 ? dataType->pNegative.get() : dataType->pZero.get();
}

bool FIELD_NUM_FMT_PAGE::OnInitDialog()
{
    initialised = false;
    customShown = false;
    symbol = CurrencySymbol();
    ResetContent(kCategoryList);
    for (uint16_t name : kCategoryNames)
        AddString(kCategoryList, ProgramResources().LoadString(name));
    if (auto* edit = Item<QLineEdit>(kDecimals))
        edit->setMaxLength(1);
    upDown = new ui::UpDownControl(
        *this, kUpDown, kDecimals,
        [this] {
            const gdi::RECT r = GetItemRect(kUpDown);
            return QRect(r.left, r.top, r.Width(), r.Height());
        }(),
        0, 9);
    ResetContent(kNegativeList);
    for (size_t i = 0; i < kStyleLabels.size(); ++i)
        AddString(kNegativeList, kStyleLabels[i], i);
    SetCurSel(kNegativeList, 0);
    initialised = true;
    if (!dataType)
        return true;
    choices = RecogniseMasks(*dataType, symbol);
    SetCurSel(kCategoryList, choices.category);
    SetCurSel(kNegativeList, choices.style);
    settingDecimals = true;
    SetDlgItemText(kDecimals, std::to_string(choices.decimals));
    settingDecimals = false;
    if (choices.category == kCategoryNumber && dataType->pPositive)
        choices.numberSeparator = dataType->pPositive->bThousands != 0;
    CheckDlgButton(kSeparator, choices.category == kCategoryNumber ? choices.numberSeparator : choices.useSymbol);
    ChangeCategory(kCategoryNumber);
    return true;
}

void FIELD_NUM_FMT_PAGE::ShowCustom(bool custom, bool move)
{
    for (int id : kSimpleControls) {
        ShowItem(id, !custom);
        EnableItem(id, !custom);
    }
    if (upDown)
        upDown->setVisible(!custom);
    const int shift = ui::MapDialogRect(kCustomShift, 0, 0, 0, GetBaseUnits()).left;
    for (int id : kCustomControls) {
        if (move) {
            gdi::RECT r = GetItemRect(id);
            const int by = custom ? -shift : shift;
            r.left += by;
            r.right += by;
            MoveItem(id, r);
        }
        ShowItem(id, custom);
    }
    customShown = custom;
}

void FIELD_NUM_FMT_PAGE::FillCustomControls()
{
    for (int i = 0; i < 3; ++i) {
        const NUMBERFORMAT* f = FormatAt(i);
        SetDlgItemTextQuietly(kMaskEdits[static_cast<size_t>(i)], f ? f->strMask : "");
        CheckDlgButton(kSeparatorChecks[static_cast<size_t>(i)], f && f->bThousands == 1);
        CheckDlgButton(kPrescaleChecks[static_cast<size_t>(i)], f && f->nScalePower != 0);
        RedrawItem(kColourButtons[static_cast<size_t>(i)]);
    }
}

void FIELD_NUM_FMT_PAGE::ChangeCategory(int previous)
{
    if (!initialised || !dataType)
        return;
    const int category = choices.category;
    if (category == kCategoryCustom && !customShown)
        ShowCustom(true, true);
    else if (category != kCategoryCustom && customShown)
        ShowCustom(false, true);
    if (category != kCategoryCustom)
        ShowCustom(false, false);
    if (previous == kCategoryAccounting && category != kCategoryAccounting) {
        ShowItem(kNegativeList, true);
        ShowItem(kNegativeLabel, true);
    }
    const std::string useSymbol = "&Use " + symbol;
    switch (category) {
    case kCategoryAccounting:
        ShowItem(kNegativeList, false);
        ShowItem(kNegativeLabel, false);
        SetDlgItemTextQuietly(kSeparator, useSymbol);
        CheckDlgButton(kSeparator, choices.useSymbol);
        break;
    case kCategoryCurrency:
        SetDlgItemTextQuietly(kSeparator, useSymbol);
        CheckDlgButton(kSeparator, choices.useSymbol);
        break;
    case kCategoryNumber:
        SetDlgItemTextQuietly(kSeparator, "&Use 1000 Separator");
        CheckDlgButton(kSeparator, choices.numberSeparator);
        break;
    default:
        break;
    }
    ApplyCategory(*dataType, choices, symbol);
    if (category == kCategoryCustom)
        FillCustomControls();
    else
        RedrawItem(kNegativeList);
    RedrawItem(kSample);
}

void FIELD_NUM_FMT_PAGE::Rebuild()
{
    if (!dataType)
        return;
    if (choices.category != kCategoryCustom) {
        BuildMasks(*dataType, choices, symbol);
        ApplySeparator(*dataType, choices);
        RedrawItem(kNegativeList);
    }
    RedrawItem(kSample);
}

void FIELD_NUM_FMT_PAGE::OnDecimalsUpdate()
{
    if (settingDecimals)
        return;
    std::string text = GetDlgItemText(kDecimals);
    if (text.empty() || text[0] < '0' || text[0] > '9') {
        ui::MessageBox(ProgramResources().LoadString(kDecimalsRange), {});
        // The handler sets its own edit's text; the change it sends is ours.
        settingDecimals = true;
        SetDlgItemText(kDecimals, "0");
        settingDecimals = false;
        text = "0";
    }
    choices.decimals = text[0] - '0';
    if (auto* edit = Item<QLineEdit>(kDecimals))
        edit->selectAll();
    Rebuild();
}

void FIELD_NUM_FMT_PAGE::OnStyle()
{
    if (!dataType || !dataType->pPositive)
        return;
    choices.style = std::max(0, GetCurSel(kNegativeList));
    const uint32_t kept = dataType->pNegative ? dataType->pNegative->crColour : dataType->pPositive->crColour;
    dataType->pNegative = std::make_unique<NUMBERFORMAT>(*dataType->pPositive);
    dataType->pNegative->crColour = StyleIsRed(choices.style) ? kNegativeRed
        : choices.style == 2                                  ? kFieldColour
                                                              : dataType->pPositive->crColour;
    (void)kept;
    Rebuild();
}

void FIELD_NUM_FMT_PAGE::OnCustomMask(int index)
{
    NUMBERFORMAT* f = FormatAt(index);
    const std::string mask = GetDlgItemText(kMaskEdits[static_cast<size_t>(index)]);
    std::string message;
    if (f && CheckNumberMask(mask, message))
        f->SetMask(mask);
    RedrawItem(kSample);
}

void FIELD_NUM_FMT_PAGE::OnColourButton(int index)
{
    NUMBERFORMAT* f = FormatAt(index);
    if (!f)
        return;
    COLOUR_MENU menu(1, automaticColour);
    const gdi::RECT r = GetItemRect(kColourButtons[static_cast<size_t>(index)]);
    const QPoint corner = GetWindow()->mapToGlobal(QPoint(r.left, r.bottom));
    const unsigned chosen = ui::TrackPopupMenu(menu.Menu(), {corner.x(), corner.y()}, GetWindow());
    if (chosen == 0)
        return;
    f->crColour = chosen == kAutomaticColourId ? kFieldColour : ColourFromMenuIndex(chosen);
    RedrawItem(kColourButtons[static_cast<size_t>(index)]);
    RedrawItem(kSample);
}

bool FIELD_NUM_FMT_PAGE::OnCommand(int id, unsigned code)
{
    if (!initialised)
        return ui::PropertyPage::OnCommand(id, code);
    if (id == kCategoryList) {
        if (code == ui::LBN_SELCHANGE) {
            const int previous = choices.category;
            choices.category = GetCurSel(kCategoryList);
            if (choices.category != previous)
                ChangeCategory(previous);
        }
        return true;
    }
    if (id == kNegativeList) {
        if (code == ui::LBN_SELCHANGE)
            OnStyle();
        return true;
    }
    if (id == kDecimals) {
        if (code == ui::EN_UPDATE)
            OnDecimalsUpdate();
        return true;
    }
    if (id == kSeparator && code == ui::BN_CLICKED) {
        (choices.category == kCategoryNumber ? choices.numberSeparator : choices.useSymbol)
            = IsDlgButtonChecked(kSeparator);
        Rebuild();
        return true;
    }
    if (const int at = IndexOf(kMaskEdits, id); at >= 0) {
        if (code == ui::EN_CHANGE)
            OnCustomMask(at);
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::PropertyPage::OnCommand(id, code);
    if (const int at = IndexOf(kSeparatorChecks, id); at >= 0) {
        if (NUMBERFORMAT* f = FormatAt(at))
            f->bThousands = f->bThousands ? 0 : 1;
        RedrawItem(kSample);
        return true;
    }
    if (const int at = IndexOf(kPrescaleChecks, id); at >= 0) {
        if (NUMBERFORMAT* f = FormatAt(at))
            f->nScalePower = f->nScalePower ? 0 : 2;
        RedrawItem(kSample);
        return true;
    }
    if (const int at = IndexOf(kColourButtons, id); at >= 0) {
        OnColourButton(at);
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}

bool FIELD_NUM_FMT_PAGE::OnKillActive()
{
    if (!dataType || !IsCreated())
        return true;
    if (choices.category != kCategoryCustom)
        return ExchangeDecimals();
    for (int i = 0; i < 3; ++i) {
        NUMBERFORMAT* f = FormatAt(i);
        if (!f)
            continue;
        const int edit = kMaskEdits[static_cast<size_t>(i)];
        const std::string mask = GetDlgItemText(edit);
        std::string message;
        if (!CheckNumberMask(mask, message)) {
            ui::MessageBox(message, {});
            GotoDlgCtrl(edit);
            return false;
        }
        f->SetMask(mask);
    }
    return true;
}

bool FIELD_NUM_FMT_PAGE::ExchangeDecimals()
{
    const std::string text = GetDlgItemText(kDecimals);
    const bool integer = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!integer) {
        ui::MessageBox(ProgramResources().LoadString(kNotAnInteger), {});
    } else if (text.size() > 1) {
        ui::MessageBox(FillPercentArguments(ProgramResources().LoadString(kIntegerOutOfRange), "0", "9"), {});
    } else {
        return true;
    }
    GotoDlgCtrl(kDecimals);
    return false;
}

void FIELD_NUM_FMT_PAGE::OnMeasureItem(int id, ui::MEASUREITEMSTRUCT& item)
{
    if (id == kNegativeList)
        item.itemHeight = kStyleHeight;
}

void FIELD_NUM_FMT_PAGE::OnDrawItem(int id, ui::DRAWITEMSTRUCT& item)
{
    if (id == kSample)
        DrawSample(item);
    else if (id == kNegativeList)
        DrawStyle(item);
    else if (const int at = IndexOf(kColourButtons, id); at >= 0)
        DrawColourButton(at, item);
}

void FIELD_NUM_FMT_PAGE::DrawSample(ui::DRAWITEMSTRUCT& item)
{
    const gdi::LOGFONT font = ui::DialogLogFont(Definition().fontPoints, Definition().fontFace);
    DrawNumberSample(*item.dc, item.rcItem, dataType, automaticColour, &font);
}

void FIELD_NUM_FMT_PAGE::DrawStyle(ui::DRAWITEMSTRUCT& item)
{
    if (item.itemID >= 0)
        DrawNegativeStyle(*item.dc, item.rcItem, (item.itemState & ui::ODS_SELECTED) != 0, choices, item.itemID, symbol,
            automaticColour);
}

void FIELD_NUM_FMT_PAGE::DrawColourButton(int index, ui::DRAWITEMSTRUCT& item)
{
    gdi::DC& dc = *item.dc;
    const NUMBERFORMAT* f = FormatAt(index);
    const uint32_t colour = !f || f->crColour == kFieldColour ? automaticColour : f->crColour;
    dc.FillRect(item.rcItem, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNSHADOW)));
    gdi::RECT inner = item.rcItem;
    inner.left += 2;
    inner.top += 2;
    inner.right -= 2;
    inner.bottom -= 2;
    dc.FillRect(inner, gdi::Brush::Solid(colour));
}
