// Printing from the fill view: the form prints with the values filled in,
// where the screen shows them; and pictures of the view while filling.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/objects/ffield.h"

#include "platform/gdi/image_surface.h"

#include <QApplication>
#include <QImage>
#include <QProcess>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Pixels of ink: dark enough to be text or lines, not the page's greys.
bool Ink(QRgb p)
{
    return qGray(p) < 110;
}

// The share of a's ink pixels with no ink of b within reach pixels.
double InkMissing(const QImage& a, const QImage& b, int reach)
{
    long ink = 0;
    long missing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Ink(a.pixel(x, y)))
                continue;
            ++ink;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx) {
                    const int bx = x + dx;
                    const int by = y + dy;
                    found = bx >= 0 && by >= 0 && bx < b.width() && by < b.height() && Ink(b.pixel(bx, by));
                }
            missing += found ? 0 : 1;
        }
    return ink ? static_cast<double>(missing) / ink : 1.0;
}

long InkIn(const QImage& image, const QRect& area)
{
    long ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.valid(x, y) && Ink(image.pixel(x, y)) ? 1 : 0;
    return ink;
}

class FillPrintTest : public FillViewTest {
protected:
    FillPrintTest()
        : a(AddField(kKindNumber, "A"))
        , note(AddField(kKindText, "Note"))
        , total(AddField(kKindNumber, "Total"))
    {
        SetProtected(total);
        EXPECT_EQ(Formula(total, "A * 3"), "");
        std::string message;
        EXPECT_EQ(note.GetDataType()->SetInitialValue("Printed value", message, 0), 1) << message;
    }

    // The value area of a field on a page drawn at 96 pixels per inch with
    // its corner at the image's origin.
    QRect ValueArea(FFIELD& field)
    {
        RECT r;
        field.GetRect(r);
        const auto px = [](int32_t twips) { return static_cast<int>(twips * 96 / 1440); };
        return QRect(px(r.left) + 3, px(r.top) + 3, px(r.right - r.left) - 6, px(r.bottom - r.top) - 6);
    }

    FFIELD& a;
    FFIELD& note;
    FFIELD& total;
};

TEST_F(FillPrintTest, PrintDirectWritesThePageWithItsValuesWhereTheScreenShowsThem)
{
    std::string message;
    ASSERT_EQ(a.GetDataType()->SetInitialValue("14", message, 0), 1) << message;
    Start();
    view->SetZoom(100);
    ASSERT_EQ(Number(total), 42);
    const fs::path pdf = fs::path(FORMS_TEST_OUTPUT_DIR) / "fill-print.pdf";
    fs::create_directories(pdf.parent_path());
    fs::remove(pdf);
    view->SetPdfPath(pdf.string());
    ASSERT_TRUE(view->PrintFilled(true));
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(Current(), &a) << "the field printed from is current again";

    QProcess raster;
    const fs::path prefix = fs::path(FORMS_TEST_OUTPUT_DIR) / "fill-print-page";
    raster.start("pdftoppm",
        {"-r", "96", "-f", "1", "-l", "1", "-singlefile", "-png", QString::fromStdString(pdf.string()),
            QString::fromStdString(prefix.string())});
    ASSERT_TRUE(raster.waitForFinished(20000));
    const QImage printed(QString::fromStdString(prefix.string() + ".png"));
    ASSERT_FALSE(printed.isNull());

    // The screen's drawing of the page at 100 %, with no editor over it.
    ASSERT_EQ(view->CommitCurrentField({.acceptWithoutCheck = true, .closeWhenRefused = true}), 1);
    const POINT corner = view->GetViewportOrg();
    gdi::ImageSurface screen(corner.x + printed.width(), corner.y + printed.height(), 96);
    {
        gdi::DC dc(screen);
        view->OnDraw(dc);
    }
    const QImage drawn = screen.Image().copy(corner.x, corner.y, printed.width(), printed.height());
    drawn.save(QString::fromStdString((fs::path(FORMS_TEST_OUTPUT_DIR) / "fill-screen-page.png").string()));
    EXPECT_LT(InkMissing(drawn, printed, 2), 0.02);
    EXPECT_LT(InkMissing(printed, drawn, 2), 0.02);
    // The values are there on paper: text in each value area.
    for (FFIELD* field : {&a, &note, &total})
        EXPECT_GT(InkIn(printed, ValueArea(*field)), 10) << field->GetName();
}

TEST_F(FillViewTest, PicturesOfTheFillViewWithTheEditorOpenAndAListDroppedDown)
{
    FFIELD& name = AddField(kKindText, "Name");
    FFIELD& colour = AddField(kKindText, "Colour");
    std::unique_ptr<LISTBOXVALUES> values = Values({"Red", "Green", "Blue"}, true);
    colour.SetValueList(values.get(), nullptr);
    RECT place;
    colour.GetRect(place);
    colour.SetListBottom(place.bottom + 900);
    std::string message;
    ASSERT_EQ(name.GetDataType()->SetInitialValue("Jane Doe", message, 0), 1);
    Start();
    ASSERT_EQ(Current(), &name);
    fs::create_directories(FORMS_TEST_OUTPUT_DIR);
    const fs::path folder(FORMS_TEST_OUTPUT_DIR);
    EXPECT_NE(view->CanEditCurrentField(), nullptr);
    EXPECT_TRUE(host.grab().save(QString::fromStdString((folder / "fill-view-editor.png").string())));
    // A click on the drop button opens the list at once.
    RECT button;
    {
        VIEWDC dc(view.get(), kOwnWindow);
        colour.GetDropButtonRect(button, dc);
    }
    const RECT device = ToWindow(button);
    Click({(device.left + device.right) / 2, (device.top + device.bottom) / 2});
    EXPECT_EQ(Current(), &colour);
    TEXTEDITWND* editor = view->CanEditCurrentField();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsDropListShown());
    EXPECT_TRUE(host.grab().save(QString::fromStdString((folder / "fill-view-list.png").string())));
}

} // namespace
