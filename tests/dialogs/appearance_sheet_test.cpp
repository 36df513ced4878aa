// The object appearance sheet through the dialog hook: its pages and their
// order by the attributes an object answers for, the Apply and "Data >>"
// buttons, a sheet without pages, and what each page applies to the view,
// with its flag, as the user works it; pictures of every page.
#include "forms/dialogs/appearance/align_page.h"
#include "forms/dialogs/appearance/font_page.h"
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/dialogs/appearance/shadow_page.h"
#include "forms/dialogs/appearance/spacing_page.h"
#include "forms/dialogs/controls/colours.h"
#include "forms/model/formobj.h"

#include "tests/dialogs/recording_view.h"
#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/popup_menu.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// An object that answers for the attributes it is told to have.
class AttributeObject : public FORMOBJ {
public:
    uint8_t type = kTypeBox;
    bool font = false, border = false, shade = false, shadow = false, align = false, spacing = false;
    TEXTATTR fontValue;
    BORDER borderValue;
    BASICSHADE shadeValue;
    SHADOW shadowValue;
    uint8_t alignValue = 0;
    uint16_t spacingValue = 240;

    int Init() override { return 1; }
    uint8_t GetType() const override { return type; }
    void Draw(VIEWDC&) override {}
    int GetFont(TEXTATTR* out) override { return font ? (*out = fontValue, 1) : 0; }
    int GetBorder(BORDER* out) override { return border ? (out->Copy(borderValue), 1) : 0; }
    int GetShade(BASICSHADE* out) override
    {
        if (!shade)
            return 0;
        out->Copy(shadeValue);
        out->noFill = shadeValue.noFill;
        return 1;
    }
    int GetShadow(SHADOW* out) override { return shadow ? (out->Copy(shadowValue), 1) : 0; }
    int GetAlignment(uint8_t* out) override { return align ? (*out = alignValue, 1) : 0; }
    int GetAttribute(int kind, uintptr_t out) override
    {
        if (kind != 4 || !spacing)
            return 0;
        *reinterpret_cast<uint16_t*>(out) = spacingValue;
        return 1;
    }
};

int RunSheet(OBJAPPDLG& sheet, const std::function<void(OBJAPPDLG&)>& drive)
{
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<OBJAPPDLG&>(running)); });
    return sheet.DoModal();
}

std::vector<std::string> TabTexts(OBJAPPDLG& sheet)
{
    std::vector<std::string> texts;
    auto* tabs = sheet.GetWindow()->findChild<QTabBar*>("sheet_tabs");
    for (int i = 0; tabs && i < tabs->count(); ++i)
        texts.push_back(tabs->tabText(i).toStdString());
    return texts;
}

void SavePicture(QWidget* window, const std::string& name)
{
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString((dir / name).string())));
}

TEST(AppearanceSheet, PagesFollowTheAttributesInTheirFixedOrder)
{
    struct Case {
        const char* name;
        uint8_t type;
        bool font, border, shade, shadow, align, spacing;
        std::vector<std::string> pages;
        const char* help; // "" hidden
    };
    const std::vector<Case> cases {
        {"box", kTypeBox, false, true, true, true, false, false, {"Border", "Shade", "Shadow"}, ""},
        {"ellipse", kTypeEllipse, false, true, true, true, false, false, {"Border", "Shade", "Shadow"}, ""},
        {"line", kTypeLine, false, true, false, false, false, false, {"Border"}, ""},
        {"text without spacing", kTypeText, true, true, true, true, true, false,
            {"Text", "Border", "Shade", "Shadow", "Align"}, ""},
        {"field", kTypeField, true, true, true, true, true, true,
            {"Text", "Border", "Shade", "Shadow", "Align", "Spacing"}, "Data >>"},
        {"push button", kTypeButton, true, true, false, false, false, false, {"Text", "Border"}, "Actions >>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AttributeObject object;
        object.type = c.type;
        object.font = c.font, object.border = c.border, object.shade = c.shade;
        object.shadow = c.shadow, object.align = c.align, object.spacing = c.spacing;
        RecordingView view;
        OBJAPPDLG sheet(464, nullptr, 0);
        ASSERT_EQ(sheet.InitFromObject(&object, &view), 1);
        int helpWidth = 0;
        int okWidth = 0;
        const int result = RunSheet(sheet, [&](OBJAPPDLG& s) {
            EXPECT_EQ(s.GetWindow()->windowTitle(), "Object Appearance");
            EXPECT_EQ(TabTexts(s), c.pages);
            EXPECT_TRUE(s.GetDlgItem(ui::ID_APPLY_NOW)->isHidden());
            EXPECT_FALSE(s.GetDlgItem(ui::ID_APPLY_NOW)->isEnabled());
            QWidget* help = s.GetDlgItem(ui::ID_HELP);
            if (*c.help) {
                EXPECT_FALSE(help->isHidden());
                EXPECT_TRUE(help->isEnabled());
                EXPECT_EQ(s.GetDlgItemText(ui::ID_HELP), c.help);
            } else {
                EXPECT_TRUE(help->isHidden());
                EXPECT_FALSE(help->isEnabled());
            }
            helpWidth = s.GetItemRect(ui::ID_HELP).Width();
            okWidth = s.GetItemRect(1).Width();
            SendKey(Qt::Key_Escape);
        });
        EXPECT_EQ(result, 2);
        EXPECT_EQ(helpWidth - okWidth, *c.help ? kDataButtonWidening : 0);
    }
}

TEST(AppearanceSheet, DataRunsTheOkStepsAndAnswers20AndAnObjectWithoutPagesOpensNothing)
{
    AttributeObject field;
    field.type = kTypeField;
    field.border = true;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&field, &view);
    EXPECT_EQ(RunSheet(sheet, [](OBJAPPDLG& s) { SendClick(s.GetDlgItem(ui::ID_HELP)); }), kSheetResultData);

    AttributeObject bare;
    OBJAPPDLG empty(464, nullptr, 0);
    empty.InitFromObject(&bare, &view);
    bool opened = false;
    EXPECT_EQ(RunSheet(empty, [&](OBJAPPDLG&) { opened = true; }), 2);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(view.borders.empty());
}

// A view that runs the real sheet for an object's appearance command and
// notes what the command asks of it around the sheet.
class SheetView : public RecordingView {
public:
    std::vector<std::string> steps;
    std::function<void(OBJAPPDLG&)> drive;

    void RecordSelectionUndo() override { steps.push_back("record"); }
    void UndoLast() override { steps.push_back("undo"); }
    void DropLastUndo() override { steps.push_back("drop"); }
    void PostCommand(uint16_t id) override { steps.push_back("post " + std::to_string(id)); }
    void SetFocus() override { steps.push_back("focus"); }
    int RunAppearanceSheet(uint16_t captionId, FORMOBJ& object) override
    {
        OBJAPPDLG sheet(captionId, nullptr, 0);
        sheet.InitFromObject(&object, this);
        return RunSheet(sheet, drive);
    }
};

TEST(AppearanceCommand, TheResultDecidesWhatIsKeptAndWhatComesNext)
{
    struct Case {
        const char* name;
        uint8_t type;
        bool border;
        int close; // the button the sheet is closed with; 0: no sheet opens
        int kept;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {"field, Data", kTypeField, true, ui::ID_HELP, 1, {"record", "drop", "post 32825", "focus"}},
        {"button, Actions", kTypeButton, true, ui::ID_HELP, 1, {"record", "drop", "post 32909", "focus"}},
        {"box, OK", kTypeBox, true, 1, 1, {"record", "drop"}},
        {"box, Cancel", kTypeBox, true, 2, 0, {"record", "undo", "drop"}},
        {"no pages", kTypeBox, false, 0, 0, {"record", "undo", "drop"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AttributeObject object;
        object.type = c.type;
        object.border = c.border;
        SheetView view;
        bool opened = false;
        view.drive = [&](OBJAPPDLG& sheet) {
            opened = true;
            SendClick(sheet.GetDlgItem(c.close));
        };
        int kept = -1;
        EXPECT_NO_THROW(kept = object.ShowAppearanceDialog(&view, 464));
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(opened, c.close != 0);
        EXPECT_EQ(view.steps, c.steps);
    }
}

TEST(ShadowPage, TheCornerOfTheOffsetsIsChosenAndAppliedWhenThePageIsFirstShown)
{
    struct Case {
        int16_t x, y;
        int corner;
        int16_t appliedX, appliedY;
    };
    const Case cases[] = {{-30, 45, 3, -90, 90}, {0, 0, 0, 0, 0}, {10, -1, 2, 90, -90}};
    for (const Case& c : cases) {
        AttributeObject box;
        box.border = true;
        box.shadow = true;
        box.shadowValue.colour = gdi::RGB(0, 0, 0xFF);
        box.shadowValue.x = c.x;
        box.shadowValue.y = c.y;
        RecordingView view;
        OBJAPPDLG sheet(464, nullptr, 0);
        sheet.InitFromObject(&box, &view);
        RunSheet(sheet, [&](OBJAPPDLG& s) {
            // Not shown yet: nothing applied.
            EXPECT_TRUE(view.shadows.empty());
            s.SetActivePage(1);
            EXPECT_EQ(s.GetShadowPage()->GetCorner(), c.corner);
            // The latched corner clicked again applies the same offsets again.
            SendClick(s.GetShadowPage()->GetDlgItem(1067));
            SendClick(s.GetShadowPage()->GetDlgItem(1067));
            SendKey(Qt::Key_Escape);
        });
        ASSERT_EQ(view.shadows.size(), 3u);
        EXPECT_EQ(view.shadows[0].x, c.appliedX);
        EXPECT_EQ(view.shadows[0].y, c.appliedY);
        EXPECT_EQ(view.shadows[0].colour, gdi::RGB(0, 0, 0xFF));
        EXPECT_TRUE(view.shadows[1].IsEqual(view.shadows[2]));
        for (uintptr_t flag : view.flags)
            EXPECT_EQ(flag, reinterpret_cast<uintptr_t>(&box));
    }
}

// A border page of a box with the border given, driven by `drive`.
std::vector<BORDER> DriveBorderPage(const BORDER& border, const std::function<void(LINEPAGE&)>& drive)
{
    AttributeObject box;
    box.border = true;
    box.borderValue = border;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&box, &view);
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        drive(*s.GetBorderPage());
        SendClick(s.GetDlgItem(1));
    });
    return view.borders;
}

void TypeWidth(LINEPAGE& page, const QString& text)
{
    auto* combo = page.Item<QComboBox>(kLineWidthCombo);
    combo->lineEdit()->clear();
    combo->setFocus();
    TypeText(text, combo->lineEdit());
}

TEST(BorderPage, TypedWidthsAreTakenOnlyFromHalfAPointToTen)
{
    BORDER solid(1, 20, kLineSingle, 0, 1, 0);
    struct Case {
        const char* typed;
        uint16_t width;
        bool doubleEnabled;
    };
    const Case cases[] = {{"12", 20, false}, {"0.4", 20, false}, {"2.26", 45, true}, {"10", 200, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        bool doubleEnabled = false;
        const auto applied = DriveBorderPage(solid, [&](LINEPAGE& page) {
            TypeWidth(page, c.typed);
            doubleEnabled = page.GetDlgItem(kLineDoubleRadio)->isEnabled();
        });
        EXPECT_EQ(doubleEnabled, c.doubleEnabled);
        const uint16_t last = applied.empty() ? 20 : applied.back().width;
        EXPECT_EQ(last, c.width);
    }
}

TEST(BorderPage, DoubleLinesNeedAWideSolidLine)
{
    BORDER wideDouble(1, 60, kLineDouble, 0, 1, 0);
    // Down to 2 pt: single, and "Double" off.
    auto applied = DriveBorderPage(wideDouble, [](LINEPAGE& page) {
        EXPECT_TRUE(page.IsDlgButtonChecked(kLineDoubleRadio));
        page.SetCurSel(kLineWidthCombo, 2);
        page.SendCommand(kLineWidthCombo, ui::CBN_SELCHANGE);
        EXPECT_TRUE(page.IsDlgButtonChecked(kLineNoneRadio + 1));
        EXPECT_FALSE(page.GetDlgItem(kLineDoubleRadio)->isEnabled());
        EXPECT_EQ(page.GetDlgItemText(kLineWidthCombo), "2 pt");
    });
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].width, 40);
    EXPECT_EQ(applied[0].lineType, kLineSingle);
    // Dotted: single, and "Double" off.
    applied = DriveBorderPage(wideDouble, [](LINEPAGE& page) {
        page.SetCurSel(kLineStyleList, 2);
        page.SendCommand(kLineStyleList, ui::LBN_SELCHANGE);
        EXPECT_FALSE(page.GetDlgItem(kLineDoubleRadio)->isEnabled());
    });
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].style, 3);
    EXPECT_EQ(applied[0].lineType, kLineSingle);
}

TEST(BorderPage, RoundingSolidOnlyAndValuesNoControlShows)
{
    // Rounded corners: 144 for a thin line, 250 from 76 twips, then off.
    struct Case {
        uint16_t width;
        uint16_t rounded;
    };
    for (const Case& c : {Case {20, 144}, Case {80, 250}}) {
        const auto applied = DriveBorderPage(BORDER(1, c.width, kLineSingle, 0, 1, 0), [](LINEPAGE& page) {
            EXPECT_FALSE(page.GetDlgItem(kRoundCornersBox)->isHidden());
            SendClick(page.GetDlgItem(kRoundCornersBox));
            SendClick(page.GetDlgItem(kRoundCornersBox));
        });
        ASSERT_EQ(applied.size(), 2u);
        EXPECT_EQ(applied[0].rounding, c.rounded);
        EXPECT_EQ(applied[1].rounding, 0);
    }
    // Without the rounding flag there is no box; solid-only fixes the style.
    BORDER ellipse(2, 20, kLineSingle, 0, 0, 0);
    ellipse.reserved = 1;
    DriveBorderPage(ellipse, [](LINEPAGE& page) {
        EXPECT_TRUE(page.GetDlgItem(kRoundCornersBox)->isHidden());
        EXPECT_EQ(page.GetCurSel(kLineStyleList), 0);
        EXPECT_FALSE(page.GetDlgItem(kLineStyleList)->isEnabled());
    });
    // A line type and style from a file beyond the controls check nothing.
    BORDER odd(7, 20, 3, 0, 0, 0);
    odd.style = 7;
    DriveBorderPage(odd, [](LINEPAGE& page) {
        for (int id = kLineNoneRadio; id <= kLineDoubleRadio; ++id)
            EXPECT_FALSE(page.IsDlgButtonChecked(id)) << id;
        EXPECT_EQ(page.GetCurSel(kLineStyleList), -1);
    });
}

std::vector<BASICSHADE> DriveShadePage(const BASICSHADE& shade, const std::function<void(SHADEPAGE&)>& drive)
{
    AttributeObject box;
    box.shade = true;
    box.shadeValue.Copy(shade);
    box.shadeValue.noFill = shade.noFill;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&box, &view);
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        drive(*s.GetShadePage());
        SendClick(s.GetDlgItem(1));
    });
    return view.shades;
}

TEST(ShadePage, BackgroundButtonsMarkTheColourAndOtherComesFromTheMenu)
{
    struct Case {
        gdi::COLORREF background;
        int button;
    };
    const Case cases[] = {{0, 1025}, {0xFFFFFF, 1024}, {gdi::RGB(0xFF, 0, 0), 1026}, {0x123456, 1025}};
    for (const Case& c : cases)
        DriveShadePage(Shade(0, c.background, 0),
            [&](SHADEPAGE& page) { EXPECT_EQ(page.GetMarks().background, c.button) << c.background; });

    gdi::POINT asked {};
    ui::ScopedPopupMenuHook popup([&](const ui::PopupRequest& request) {
        asked = request.point;
        EXPECT_EQ(request.items.size(), 16u);
        return 166u; // red
    });
    gdi::POINT expected {};
    const auto applied = DriveShadePage(Shade(0, 0, 3), [&](SHADEPAGE& page) {
        QWidget* other = page.GetDlgItem(1044);
        const QPoint corner = other->mapToGlobal(QPoint(0, other->height()));
        expected = {corner.x(), corner.y()};
        SendClick(other);
        EXPECT_EQ(page.GetMarks().background, 1026);
        EXPECT_EQ(GetOtherColourIndex(), 9);
    });
    EXPECT_EQ(asked.x, expected.x);
    EXPECT_EQ(asked.y, expected.y);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].colour2, gdi::RGB(0xFF, 0, 0));
}

TEST(ShadePage, ClicksOnWhatIsMarkedDoNothingUnlessTransparent)
{
    const auto applied = DriveShadePage(Shade(0, 0xFFFFFF, 10), [](SHADEPAGE& page) {
        EXPECT_EQ(page.GetMarks().pattern, 19);
        SendClick(page.GetDlgItem(1002 + 19)); // the marked pattern: nothing
        SendClick(page.GetDlgItem(1027)); // the marked swatch: nothing
        SendClick(page.GetDlgItem(1065)); // transparent
        EXPECT_TRUE(page.GetMarks().transparent);
        SendClick(page.GetDlgItem(1002 + 19)); // now it turns transparency off
        EXPECT_FALSE(page.GetMarks().transparent);
        SendClick(page.GetDlgItem(1002 + 7));
    });
    ASSERT_EQ(applied.size(), 3u);
    EXPECT_EQ(applied[0].noFill, 1);
    EXPECT_EQ(applied[1].noFill, 0);
    EXPECT_EQ(applied[1].pattern, 10);
    EXPECT_EQ(applied[2].pattern, 7);
}

std::vector<TEXTATTR> DriveTextPage(const TEXTATTR& format, const std::function<void(FONT_PAGE&)>& drive)
{
    AttributeObject text;
    text.type = kTypeText;
    text.font = true;
    text.fontValue = format;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&text, &view);
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        drive(*s.GetTextPage());
        SendClick(s.GetDlgItem(1));
    });
    return view.textChanges;
}

TEXTATTR Format(uint8_t underline, uint16_t size)
{
    TEXTATTR t;
    t.Reset();
    t.underline = underline;
    t.size = size;
    return t;
}

TEST(TextPage, EachApplicationCarriesOneChangedField)
{
    const auto changes = DriveTextPage(Format(kUnderlineSingle, 240), [](FONT_PAGE& page) {
        EXPECT_TRUE(page.Editor().Toggle(1417).latched);
        SendClick(page.GetDlgItem(1418)); // "w" unlatches "u"
        EXPECT_FALSE(page.Editor().Toggle(1417).latched);
        EXPECT_TRUE(page.Editor().Toggle(1418).latched);
        SendClick(page.GetDlgItem(1418)); // and off again
        SendClick(page.GetDlgItem(1414)); // bold
        page.SetCurSel(1197, 9);
        page.SendCommand(1197, ui::CBN_SELCHANGE);
        page.SetCurSel(1194, 4); // 10 points
        page.SendCommand(1194, ui::CBN_SELCHANGE);
    });
    ASSERT_EQ(changes.size(), 5u);
    TEXTATTR expected[5];
    for (TEXTATTR& e : expected)
        e.SetMixed();
    expected[0].underline = kUnderlineWord;
    expected[1].underline = kUnderlineNone;
    expected[2].bold = 1;
    expected[3].colour = gdi::RGB(0xFF, 0, 0);
    expected[4].size = 200;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(changes[static_cast<size_t>(i)].IsEqual(expected[i])) << i;
}

TEST(TextPage, MixedPartsShowNothingChosen)
{
    TEXTATTR mixed;
    mixed.SetMixed();
    DriveTextPage(mixed, [](FONT_PAGE& page) {
        EXPECT_EQ(page.GetCurSel(1194), -1);
        EXPECT_EQ(page.GetCurSel(1197), -1);
        for (int id : {1414, 1415, 1417, 1418, 1419})
            EXPECT_FALSE(page.Editor().Toggle(id).latched) << id;
        EXPECT_FALSE(page.IsDlgButtonChecked(1416));
    });
}

std::vector<uint16_t> DriveSpacingPage(uint16_t spacing, const std::function<void(LSPACEDLG&)>& drive)
{
    AttributeObject text;
    text.type = kTypeText;
    text.spacing = true;
    text.spacingValue = spacing;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&text, &view);
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        drive(*s.GetSpacingPage());
        SendClick(s.GetDlgItem(1));
    });
    return view.spacings;
}

TEST(SpacingPage, TypedValuesOutsideTheRangeAreRefusedAndUnitsRefill)
{
    const auto applied = DriveSpacingPage(65535, [](LSPACEDLG& page) {
        EXPECT_FALSE(page.GetDlgItem(1061)->isEnabled());
        SendClick(page.GetDlgItem(1220)); // fixed: 180, shown in inches
        EXPECT_EQ(page.GetDlgItemText(1061), "0.125");
        SendClick(page.GetDlgItem(1242)); // centimetres: the same value
        EXPECT_EQ(page.GetDlgItemText(1061), "0.317");
        SendClick(page.GetDlgItem(1241));
        auto* edit = page.Item<QLineEdit>(1061);
        for (const char* typed : {"0.01", "5.1", "2cm", "5", " 0.5 "}) {
            edit->clear();
            edit->setFocus();
            TypeText(typed, edit);
        }
    });
    // Keystroke by keystroke: "0.01" gives nothing in range; "5.1" gives
    // 5 and "5." (7200 twice), then 5.1 (refused); "2cm" gives 2 (2880),
    // then nothing; "5" 7200; " 0.5 " gives " 0.5" and " 0.5 " (720 twice).
    const std::vector<uint16_t> expected {180, 7200, 7200, 2880, 7200, 720, 720};
    EXPECT_EQ(applied, expected);
}

TEST(AlignPage, EachRadioSetsItsByteAndAByteWithoutARadioChecksNone)
{
    AttributeObject text;
    text.type = kTypeText;
    text.align = true;
    text.alignValue = 2;
    RecordingView view;
    OBJAPPDLG sheet(464, nullptr, 0);
    sheet.InitFromObject(&text, &view);
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        ALIGNPAGE& page = *s.GetAlignPage();
        for (int id = 1240; id <= 1243; ++id)
            EXPECT_FALSE(page.IsDlgButtonChecked(id));
        for (int id : {1241, 1242, 1243, 1240})
            SendClick(page.GetDlgItem(id));
        SendClick(s.GetDlgItem(1));
    });
    const std::vector<uint8_t> expected {3, 1, 4, 0};
    EXPECT_EQ(view.alignments, expected);
}

// Whether some pixel of the area differs from the colour.
bool AnyPixelUnlike(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour)
                return true;
    return false;
}

TEST(AppearanceSheet, PicturesOfEveryPage)
{
    AttributeObject field;
    field.type = kTypeField;
    field.font = field.border = field.shade = field.shadow = field.align = field.spacing = true;
    field.fontValue = Format(0, 240);
    field.borderValue = BORDER(1, 30, kLineSingle, 0, 1, 0);
    field.shadeValue = Shade(gdi::RGB(0, 0, 0xFF), 0xFFFFFF, 7);
    field.shadowValue.x = 90;
    field.shadowValue.y = 90;
    RecordingView view;
    OBJAPPDLG sheet(193, nullptr, 0);
    sheet.InitFromObject(&field, &view);
    const char* names[] = {"text", "border", "shade", "shadow", "align", "spacing"};
    RunSheet(sheet, [&](OBJAPPDLG& s) {
        ASSERT_EQ(s.GetPageCount(), 6);
        std::vector<QImage> pages;
        for (int i = 0; i < s.GetPageCount(); ++i) {
            SCOPED_TRACE(names[i]);
            s.SetActivePage(i);
            SavePicture(s.GetWindow(), std::string("appearance_page_") + names[i] + ".png");
            QWidget* page = s.GetPage(i)->GetWindow();
            ASSERT_NE(page, nullptr);
            const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // An empty page would be its background colour throughout: each
            // control shown must be drawn within its own area.
            const QRgb empty = page->palette().color(page->backgroundRole()).rgb();
            int drawn = 0;
            for (QWidget* control : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!control->isVisible())
                    continue;
                if (auto* label = qobject_cast<QLabel*>(control); label && label->text().isEmpty())
                    continue;
                EXPECT_TRUE(AnyPixelUnlike(shown, control->geometry() & page->rect(), empty))
                    << control->objectName().toStdString() << " is not drawn";
                ++drawn;
            }
            EXPECT_GT(drawn, 0);
            pages.push_back(shown);
        }
        for (size_t i = 0; i < pages.size(); ++i)
            for (size_t j = i + 1; j < pages.size(); ++j)
                EXPECT_NE(pages[i], pages[j]) << names[i] << " and " << names[j] << " show the same";
        s.EndDialog(2);
    });
}

} // namespace
