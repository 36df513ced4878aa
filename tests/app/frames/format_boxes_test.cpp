#include "forms/app/frames/format_boxes.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/views/rotation_box.h"
#include "forms/document/font_table.h"

#include "platform/ui/cmd_target.h"
#include "platform/ui/command_bar.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.push_back(combo.itemText(i));
    return items;
}

void Type(QComboBox& combo, const QString& text)
{
    combo.lineEdit()->setText(text);
}

TEST(ZoomBox, ListsTheZoomsWithOneHundredSelected)
{
    ZOOMCOMBO zoom(ID_ZOOM_BOX, true);
    FillZoomCombo(zoom);
    EXPECT_EQ(
        Items(zoom), QStringList({"10%", "25%", "30%", "40%", "50%", "75%", "100%", "125%", "150%", "175%", "200%"}));
    EXPECT_EQ(zoom.currentText(), "100%");
    EXPECT_EQ(GetZoom(zoom), 100);
}

TEST(ZoomBox, TypedZoomsAreLimitedAndSelectedByTheirExactEntry)
{
    struct Case {
        const char* typed;
        int zoom;
        bool added;
    };
    const Case cases[] = {
        {"5", 10, false},
        {"300", 200, false},
        {"11", 11, true},
        {"abc", 10, false},
        {"-40", 10, false},
        {"20", 20, true},
        {"150%", 150, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ZOOMCOMBO zoom(ID_ZOOM_BOX, true);
        FillZoomCombo(zoom);
        Type(zoom, QString::fromLatin1(c.typed));
        EXPECT_EQ(GetZoom(zoom), c.zoom);
        EXPECT_EQ(zoom.currentText(), QStringLiteral("%1%").arg(c.zoom));
        EXPECT_EQ(zoom.count(), c.added ? 12 : 11);
        // Once selected, the entry itself is read.
        EXPECT_EQ(GetZoom(zoom), c.zoom);
    }
}

TEST(ZoomBox, SetZoomMatchesTheWholeEntry)
{
    ZOOMCOMBO zoom(ID_ZOOM_BOX, true);
    FillZoomCombo(zoom);
    SetZoom(zoom, 20);
    EXPECT_EQ(zoom.currentText(), "20%");
    EXPECT_EQ(zoom.count(), 12);
    SetZoom(zoom, 200);
    EXPECT_EQ(zoom.currentText(), "200%");
    SetZoom(zoom, 20);
    EXPECT_EQ(zoom.count(), 12);
    SetZoom(zoom, 1);
    EXPECT_EQ(zoom.currentText(), "1%");
}

TEST(RotationBox, TypedAnglesAreShownAndAppliedReduced)
{
    struct Case {
        const char* typed;
        int read;
        const char* shown;
        int applied;
    };
    const Case cases[] = {
        {"370", 3700, "10\xb0", 100},
        {"-45", -450, "315\xb0", 3150},
        {"\xe2\x88\x92"
         "45",
            -450, "315\xb0", 3150},
        {"12.44", 124, "12\xb0", 124},
        {"90\xc2\xb0", 900, "90\xb0", 900},
        {"720", 7200, "0\xb0", 0},
        {"x", 0, "0\xb0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(RotationFromText(typed), c.read);
        ZOOMCOMBO rotation(ID_ROTATION_BOX, true);
        FillRotationCombo(rotation);
        Type(rotation, typed);
        EXPECT_EQ(ReadRotationCombo(rotation), c.applied);
        EXPECT_EQ(rotation.currentText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(rotation.itemText(rotation.currentIndex()), QString::fromLatin1(c.shown));
    }
}

TEST(RotationBox, ListsTheEighthTurnsAndReadsTheSelectedEntry)
{
    ZOOMCOMBO rotation(ID_ROTATION_BOX, true);
    FillRotationCombo(rotation);
    QStringList angles;
    for (const char* degrees : {"0", "45", "90", "135", "180", "225", "270", "315"})
        angles.push_back(QString::fromLatin1(degrees) + QChar(0xB0));
    EXPECT_EQ(Items(rotation), angles);
    rotation.setCurrentIndex(5);
    EXPECT_EQ(ReadRotationCombo(rotation), 2250);
    EXPECT_EQ(rotation.count(), 8);
}

TEST(FontBoxes, NameListKeepsTheSelectedFaceAndIsSorted)
{
    FONTCOMBO face(ID_FACE_BOX, true);
    FillFontNameCombo(face, {"Times New Roman", "Arial", "courier"});
    EXPECT_EQ(Items(face), QStringList({"Arial", "courier", "Times New Roman"}));
    EXPECT_EQ(face.currentIndex(), -1);
    face.setCurrentIndex(1);
    FillFontNameCombo(face, {"Zapf", "Courier", "Arial"});
    EXPECT_EQ(face.currentText(), "Courier");
    FillFontNameCombo(face, {"Zapf", "Arial"});
    EXPECT_EQ(face.currentIndex(), -1);
}

TEST(FontBoxes, SelectedTextFallsBackToTheTypedTextThenTimesNewRoman)
{
    FONTCOMBO face(ID_FACE_BOX, true);
    EXPECT_EQ(GetComboSelText(face), "Times New Roman");
    FillFontNameCombo(face, {"Arial", "Courier"});
    face.setCurrentIndex(1);
    EXPECT_EQ(GetComboSelText(face), "Courier");
    Type(face, "Garamond");
    EXPECT_EQ(GetComboSelText(face), "Garamond");
}

TEST(FontBoxes, SizesRunSixToSeventyTwoAndTheShownNumberIsRead)
{
    FONTCOMBO size(ID_SIZE_BOX, false);
    FontSizeList sizes;
    EXPECT_EQ(FillFontSizeCombo(size, "Arial", sizes), 1);
    ASSERT_EQ(size.count(), 67);
    EXPECT_EQ(size.itemText(0), "6");
    EXPECT_EQ(size.itemText(4), "10");
    EXPECT_EQ(size.itemText(66), "72");
    size.setCurrentIndex(4);
    EXPECT_EQ(GetComboSelValue(size, sizes), 10);
    // An entry put in later is read as shown, not by its index in the sizes.
    size.insertItem(0, "5");
    size.setCurrentIndex(5);
    EXPECT_EQ(size.currentText(), "10");
    EXPECT_EQ(GetComboSelValue(size, sizes), 10);
    size.setCurrentIndex(-1);
    EXPECT_EQ(GetComboSelValue(size, sizes), 0);
}

TEST(TextToolBar, SetTextFormatShowsSizeInPointsAndTheFace)
{
    TEXTTOOLBAR bar(nullptr);
    ButtonStyle style;
    ui::CmdTarget target;
    ui::CommandBar commands(target);
    ASSERT_TRUE(bar.Create(commands, style));
    bar.FillCombos({"Arial", "Times New Roman"});
    EXPECT_EQ(bar.GetFaceCombo()->currentText(), "Times New Roman");
    EXPECT_EQ(bar.GetSizeCombo()->currentText(), "12");

    TEXTATTR attr {};
    attr.size = 240;
    bar.SetTextFormat(attr, true);
    EXPECT_EQ(bar.GetSizeCombo()->currentText(), "12");
    // A size not listed goes in its numeric place.
    attr.size = 1500;
    bar.SetTextFormat(attr, false);
    EXPECT_EQ(bar.GetSizeCombo()->currentText(), "75");
    EXPECT_EQ(bar.GetSizeCombo()->itemText(bar.GetSizeCombo()->count() - 1), "75");
    attr.size = 110;
    bar.SetTextFormat(attr, false);
    EXPECT_EQ(bar.GetSizeCombo()->currentText(), "5");
    EXPECT_EQ(bar.GetSizeCombo()->itemText(0), "5");
}

TEST(TextToolBar, AlignmentCodesPickTheirPictures)
{
    EXPECT_EQ(AlignmentImage(0), 10);
    EXPECT_EQ(AlignmentImage(1), 11);
    EXPECT_EQ(AlignmentImage(3), 13);
    EXPECT_EQ(AlignmentImage(4), 14);
    EXPECT_EQ(AlignmentImage(2), -1);
    TEXTTOOLBAR bar(nullptr);
    ui::CmdTarget target;
    ui::CommandBar commands(target);
    ASSERT_TRUE(bar.Create(commands, {}));
    QAction* button = bar.actions().at(kAlignmentSlot);
    const qint64 own = button->icon().cacheKey();
    bar.SetAlignment(3);
    EXPECT_NE(button->icon().cacheKey(), own);
    EXPECT_EQ(button->icon().pixmap(16, 15).toImage(), bar.ImageOf(13).pixmap(16, 15).toImage());
    // A new strip keeps the picture of the code shown.
    bar.UpdateButtons({true, false, true});
    EXPECT_EQ(button->icon().pixmap(24, 22).toImage(), bar.ImageOf(13).pixmap(24, 22).toImage());
}

} // namespace
