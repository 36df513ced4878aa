// What a person sees of an edit: typed text in two formats over two lines,
// a selection inverted over part of it, and the area below the last line
// filled with the window's colour. The picture is written for a person to
// look at; the test checks the highlight and the fill by their pixels.
#include "editor_fixture.h"

#include "platform/gdi/image_surface.h"

#include <QImage>

#include <filesystem>

namespace {

class ImageOwner : public TestOwner {
public:
    ImageOwner()
        : image(560, 200)
        , imageDc(image)
    {
        MapTwips(imageDc, 96, 100);
        imageDc.FillRect({0, 0, 8400, 3000}, gdi::Brush::Solid(0x00C0C0C0));
        imageInfo = TEXTDRAWINFO(&imageDc, {60, 60}, kTextOnWindow, 0, 0, TEXTZOOM(), {0, 0, 0, 0}, 0);
    }
    TEXTDRAWINFO* GetDrawInfo() override { return &imageInfo; }

    gdi::ImageSurface image;
    gdi::DC imageDc;
    TEXTDRAWINFO imageInfo;
};

class EditorPicture : public LayoutTest {};

TEST_F(EditorPicture, TypedTextSelectionAndFill)
{
    ImageOwner owner;
    RICHTEXT text(attr, kTextAlignLeft, 5 * 1440, 2000, 0);
    text.opaque = 1;
    ASSERT_EQ(text.CreateBuffer("Typed in place: "), 1);
    RICHEDITOR editor(&owner, &text);
    editor.Restart(owner.imageInfo, 0, 0);
    editor.Reformat();
    editor.OnKeyDown(kKeyEnd, false, true);
    TEXTATTR bold;
    bold.SetMixed();
    bold.bold = 1;
    editor.SetSelectionAttr(bold);
    for (char c : std::string("bold"))
        editor.OnChar(static_cast<unsigned char>(c));
    bold.bold = 0;
    bold.underline = kUnderlineSingle;
    editor.SetSelectionAttr(bold);
    for (char c : std::string(", underlined\nand a second line"))
        editor.OnChar(static_cast<unsigned char>(c));
    // Select "second" with Shift and Ctrl.
    editor.OnKeyDown(kKeyLeft, false, true);
    editor.OnKeyDown(kKeyLeft, false, true);
    const POINT from = editor.CaretPoint();
    editor.OnKeyDown(kKeyRight, true, true);
    const POINT to = editor.CaretPoint();
    ASSERT_TRUE(editor.IsSelectionActive());

    const std::string dir = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(owner.image.SavePng(dir + "/richeditor_edit.png"));

    // The selected word is inverted: mostly dark pixels in its band; the
    // text area below the lines is the window's white.
    auto pixel = [](int32_t twips) { return 4 + twips * 96 / 1440; };
    int dark = 0;
    int total = 0;
    for (int x = pixel(from.x) + 1; x < pixel(to.x) - 1; ++x) {
        for (int y = pixel(from.y) + 2; y < pixel(from.y) + 14; ++y) {
            dark += (owner.image.Pixel(x, y) & 0xFF) < 128 ? 1 : 0;
            ++total;
        }
    }
    ASSERT_GT(total, 0);
    EXPECT_GT(dark * 2, total);
    EXPECT_EQ(owner.image.Pixel(100, pixel(1900)), 0x00FFFFFFu);
    // Outside the text area nothing was drawn.
    EXPECT_EQ(owner.image.Pixel(2, 2), 0x00C0C0C0u);
}

} // namespace
