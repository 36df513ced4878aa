// The Format dialogs and the controls the appearance pages share: pattern
// buttons and line samples as a person sees them, the alignment menu's
// items, the Text Format dialog's typeface changes, and pictures of every
// Format dialog and of the alignment menu.
#include "forms/dialogs/appearance/align_menu.h"
#include "forms/dialogs/appearance/font_rules.h"
#include "forms/dialogs/appearance/fontdialog.h"
#include "forms/dialogs/appearance/line_format_dlg.h"
#include "forms/dialogs/appearance/line_spacing_dlg.h"
#include "forms/dialogs/appearance/shade_format_dlg.h"
#include "forms/dialogs/controls/line_controls.h"
#include "forms/dialogs/controls/shade_pattern_button.h"
#include "forms/document/font_table.h"
#include "forms/model/fontface.h"

#include "tests/dialogs/recording_view.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"

#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace {

constexpr gdi::COLORREF kMagenta = gdi::RGB(0xFF, 0, 0xFF);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 0xFF);
constexpr gdi::COLORREF kRed = gdi::RGB(0xFF, 0, 0);

// Draws one owner-drawn item on a magenta surface.
QImage Draw(ui::OwnerDrawer& drawer, unsigned id, int width, int height, uintptr_t data = 0)
{
    gdi::ImageSurface surface(width, height);
    {
        gdi::DC dc(surface);
        dc.FillRect({0, 0, width, height}, gdi::Brush::Solid(kMagenta));
        ui::DRAWITEMSTRUCT item;
        item.CtlType = ui::ODT_BUTTON;
        item.CtlID = id;
        item.itemID = 0;
        item.dc = &dc;
        item.rcItem = {0, 0, width, height};
        item.itemData = data;
        drawer.DrawItem(item);
    }
    return surface.Image().copy();
}

// The colours of an area, as COLORREFs.
std::set<gdi::COLORREF> Colours(const QImage& image, QRect area)
{
    std::set<gdi::COLORREF> colours;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QRgb p = image.pixel(x, y);
            colours.insert(gdi::RGB(
                static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))));
        }
    return colours;
}

TEST(PatternButton, ButtonsShowTheirPositionsPatternAndSamplesTheFill)
{
    struct Case {
        int id;
        BASICSHADE shade;
        std::set<gdi::COLORREF> inside;
    };
    const Case cases[] = {
        {1021, Shade(kBlue, kRed, 3), {kBlue}}, // position 19: pattern 10, all foreground
        {1002, Shade(kBlue, kRed, 3), {kRed}}, // position 0: pattern 0, all background
        {1022, Shade(kBlue, kRed, 10), {kBlue}},
        {1022, Shade(kBlue, kRed, 10, 1), {0xFFFFFF}}, // transparent: white on white
        {1023, Shade(kBlue, kRed, 0, 1), {0xFFFFFF}},
        {1012, Shade(kBlue, kRed, 3), {kBlue, kRed}}, // position 10: pattern 11
    };
    for (const Case& c : cases) {
        SHADE_PATTERN_BUTTON button;
        button.Show(&c.shade);
        const QImage image = Draw(button, static_cast<unsigned>(c.id), 24, 20);
        // Inside the sunken frame, left of the 2 pixels the fill leaves out.
        EXPECT_EQ(Colours(image, QRect(3, 3, 16, 12)), c.inside) << c.id;
        EXPECT_EQ(Colours(image, QRect(22, 5, 1, 10)).count(kMagenta), 0u) << c.id;
    }
    // Ids outside 1002-1023 draw nothing.
    SHADE_PATTERN_BUTTON other;
    const BASICSHADE shade = Shade(kBlue, kRed, 10);
    other.Show(&shade);
    EXPECT_EQ(Colours(Draw(other, 1024, 24, 20), QRect(0, 0, 24, 20)), (std::set<gdi::COLORREF> {kMagenta}));
}

// The rows of the middle column that a line sample darkens.
std::vector<int> DarkRows(const BORDER& border)
{
    gdi::ImageSurface surface(60, 30);
    {
        gdi::DC dc(surface);
        dc.FillRect({0, 0, 60, 30}, gdi::Brush::Solid(0xFFFFFF));
        DrawLineSample(dc, border, {0, 0, 60, 30});
    }
    std::vector<int> rows;
    for (int y = 0; y < 30; ++y)
        if (qGray(surface.Image().pixel(30, y)) < 0x60)
            rows.push_back(y);
    return rows;
}

TEST(LineSample, DoubleLinesAreTwoStrokesWithAPixelBetween)
{
    struct Case {
        uint16_t width;
        uint16_t lineType;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {60, kLineDouble, {14, 16}}, // 4 pixels: two strokes of 1
        {105, kLineDouble, {12, 13, 14, 15, 16}}, // 7 pixels: 3, 1 apart
        {20, kLineDouble, {15}}, // 1 pixel: one stroke
        {60, kLineSingle, {13, 14, 15, 16}},
        {60, kLineNone, {}},
    };
    for (const Case& c : cases) {
        const std::vector<int> rows = DarkRows(BORDER(1, c.width, c.lineType, 0, 0, 0));
        if (c.width == 105) {
            // Three rows, a gap, three rows.
            ASSERT_EQ(rows.size(), 6u) << c.width;
            EXPECT_EQ(rows[3] - rows[2], 2) << c.width;
            continue;
        }
        EXPECT_EQ(rows, c.rows) << c.width << " " << c.lineType;
    }
    // Narrowed by a sixth on each side.
    gdi::ImageSurface surface(60, 30);
    {
        gdi::DC dc(surface);
        dc.FillRect({0, 0, 60, 30}, gdi::Brush::Solid(0xFFFFFF));
        DrawLineSample(dc, BORDER(1, 60, kLineSingle, 0, 0, 0), {0, 0, 60, 30});
    }
    EXPECT_EQ(qGray(surface.Image().pixel(9, 15)), 0xFF);
    EXPECT_LT(qGray(surface.Image().pixel(10, 15)), 0x60);
    EXPECT_LT(qGray(surface.Image().pixel(49, 15)), 0x60);
    EXPECT_EQ(qGray(surface.Image().pixel(50, 15)), 0xFF);
}

TEST(AlignMenu, ItemsAreThePictureAndNameOfEachAlignment)
{
    ALIGN_MENU menu;
    ASSERT_EQ(menu.Menu().Items().size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(menu.Menu().Items()[i].id, 176 + i);
        EXPECT_TRUE(menu.Menu().Items()[i].ownerDraw);
        ui::MEASUREITEMSTRUCT measure;
        measure.itemData = i;
        menu.MeasureItem(measure);
        EXPECT_EQ(measure.itemWidth, 24 + 40);
        EXPECT_EQ(measure.itemHeight, 16 + 4);
    }
    EXPECT_EQ(AlignmentOfCommand(177), 3);
    EXPECT_EQ(AlignmentOfCommand(178), 1);
    EXPECT_EQ(AlignmentOfCommand(180), -1);

    // A picture of the menu as it is drawn, the second item selected.
    QImage strip(120, 80, QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) {
        gdi::ImageSurface surface(120, 20);
        {
            gdi::DC dc(surface);
            ui::DRAWITEMSTRUCT item;
            item.CtlType = ui::ODT_MENU;
            item.itemID = 176 + i;
            item.itemState = i == 1 ? ui::ODS_SELECTED : 0;
            item.dc = &dc;
            item.rcItem = {0, 0, 120, 20};
            item.itemData = static_cast<uintptr_t>(i);
            menu.DrawItem(item);
        }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 120; ++x)
                strip.setPixel(x, i * 20 + y, surface.Image().pixel(x, y));
    }
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(strip.save(QString::fromStdString((dir / "align_menu.png").string())));
    // The picture's lines are black on white, the selected item's on the
    // highlight.
    EXPECT_EQ(strip.pixel(60, 5), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(strip.pixel(100, 25), qRgb(0, 0, 0x80));
}

// The program-wide font table of these tests: Times New Roman first.
class FontTableScope {
public:
    FontTableScope()
    {
        table.FindOrAdd(FONTFACE("Times New Roman", 0x16, 0));
        previous = GetProgramFontTable();
        SetProgramFontTable(&table);
    }
    ~FontTableScope() { SetProgramFontTable(previous); }
    FONT_TABLE table;

private:
    FONT_TABLE* previous = nullptr;
};

template<class D>
int RunDialog(D& dialog, const std::function<void(D&)>& drive)
{
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<D&>(running)); });
    return dialog.DoModal();
}

TEST(TextFormatDialog, AKnownFaceIsTakenAndAnUnknownOneChangesNothing)
{
    FontTableScope fonts;
    RecordingView view;
    FONTDIALOG dialog(&view);
    TEXTATTR format;
    format.Reset();
    dialog.SetFont(format);
    RunDialog<FONTDIALOG>(dialog, [&](FONTDIALOG& d) {
        EXPECT_EQ(d.GetDlgItemText(kFontNameCombo), "Times New Roman");
        const int arial = d.FindStringExact(kFontNameCombo, "Arial");
        ASSERT_GE(arial, 0);
        d.SetCurSel(kFontNameCombo, arial);
        d.SendCommand(kFontNameCombo, ui::CBN_SELCHANGE);
        // A face that is not installed: the format keeps Arial.
        const int unknown = d.AddString(kFontNameCombo, "No Such Face");
        d.SetCurSel(kFontNameCombo, unknown);
        d.SendCommand(kFontNameCombo, ui::CBN_SELCHANGE);
        EXPECT_EQ(GetFaceName(d.GetFont().face), "Arial");
        d.EndDialog(1);
    });
    ASSERT_EQ(view.textChanges.size(), 1u);
    EXPECT_EQ(GetFaceName(view.textChanges[0].face), "Arial");
    EXPECT_EQ(view.textChanges[0].size, kMixedWord);
    EXPECT_EQ(view.textChanges[0].bold, kMixedFlag);
}

void SavePicture(QWidget* window, const std::string& name)
{
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(window->grab().toImage().save(QString::fromStdString((dir / name).string())));
}

// Where the style puts a group box's caption.
QRect CaptionRect(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

TEST(FormatDialogs, TheShadeFormatDialogShowsEveryGroupCaptionWhole)
{
    FontTableScope fonts;
    RecordingView view;
    SHADE_FORMAT_DLG dialog(Shade(kBlue, 0xFFFFFF, 7), &view);
    std::vector<QString> captions;
    RunDialog<SHADE_FORMAT_DLG>(dialog, [&](SHADE_FORMAT_DLG& d) {
        for (QGroupBox* box : d.GetWindow()->findChildren<QGroupBox*>()) {
            captions.push_back(box->title());
            EXPECT_TRUE(box->rect().contains(CaptionRect(*box)))
                << box->title().toStdString() << ": caption to " << CaptionRect(*box).right() << " in " << box->width();
            // Nothing to the right of the box covers its end.
            for (QWidget* other : d.GetWindow()->findChildren<QWidget*>())
                if (other != box && other->parentWidget() == box->parentWidget() && other->isVisible()
                    && other->geometry().intersects(box->geometry()) && !box->geometry().contains(other->geometry()))
                    ADD_FAILURE() << other->objectName().toStdString() << " overlaps " << box->title().toStdString();
        }
        d.EndDialog(2);
    });
    EXPECT_EQ(captions.size(), 3u);
    EXPECT_NE(std::find(captions.begin(), captions.end(), "&Background Colour"), captions.end());
}

TEST(FormatDialogs, PicturesOfEveryDialog)
{
    FontTableScope fonts;
    RecordingView view;
    {
        LINE_FORMAT_DLG dialog(BORDER(1, 60, kLineDouble, kBlue, 1, 0), &view);
        RunDialog<LINE_FORMAT_DLG>(dialog, [](LINE_FORMAT_DLG& d) {
            EXPECT_EQ(d.GetWindow()->windowTitle(), "Line Format");
            EXPECT_EQ(d.GetDlgItemText(1297), "&Round Corners");
            SavePicture(d.GetWindow(), "line_format_dialog.png");
            d.EndDialog(2);
        });
    }
    {
        SHADE_FORMAT_DLG dialog(Shade(kBlue, 0xFFFFFF, 7), &view);
        RunDialog<SHADE_FORMAT_DLG>(dialog, [](SHADE_FORMAT_DLG& d) {
            EXPECT_EQ(d.GetWindow()->windowTitle(), "Shade Format");
            SavePicture(d.GetWindow(), "shade_format_dialog.png");
            d.EndDialog(2);
        });
    }
    {
        FONTDIALOG dialog(&view);
        TEXTATTR format;
        format.Reset();
        format.bold = 1;
        format.underline = kUnderlineDouble;
        dialog.SetFont(format);
        RunDialog<FONTDIALOG>(dialog, [](FONTDIALOG& d) {
            EXPECT_EQ(d.GetWindow()->windowTitle(), "Text Format");
            SavePicture(d.GetWindow(), "text_format_dialog.png");
            d.EndDialog(2);
        });
    }
    {
        LINE_SPACING_DLG dialog(&view);
        dialog.SetSpacing(240);
        RunDialog<LINE_SPACING_DLG>(dialog, [](LINE_SPACING_DLG& d) {
            EXPECT_EQ(d.GetWindow()->windowTitle(), "Text line spacing");
            EXPECT_EQ(d.GetDlgItemText(1061), "0.167");
            SavePicture(d.GetWindow(), "text_line_spacing_dialog.png");
            d.EndDialog(2);
        });
    }
    EXPECT_TRUE(view.borders.empty());
    EXPECT_TRUE(view.shades.empty());
    EXPECT_TRUE(view.spacings.empty());
}

} // namespace
