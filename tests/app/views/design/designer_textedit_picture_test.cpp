// Pictures of a text being typed in place in the design view at 100 % and
// 200 %: a word selected, then the caret after the text.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/text_editor_probe.h"

#include "forms/objects/ftextobj.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

class DesignerTextEditPicture
    : public DesignerTest
    , public testing::WithParamInterface<int> {};

// Dark pixels of the picture within a window rectangle.
int DarkPixels(const QImage& picture, const RECT& r)
{
    int dark = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (QColor(picture.pixel(x, y)).lightness() < 96)
                ++dark;
    return dark;
}

TEST_P(DesignerTextEditPicture, AWordSelectedThenTheCaret)
{
    const int zoom = GetParam();
    host.activateWindow();
    QCoreApplication::processEvents();
    view.SetZoom(zoom);
    auto* text = static_cast<FTEXTOBJ*>(Add(kTypeText, {1440, 1440, 5760, 2880}));
    ASSERT_EQ(text->Create(view.Format().NewObjectFont(), 0), 1);
    ASSERT_EQ(text->SetText("Typed"), 1);
    text->Select(&view);
    ASSERT_EQ(text->ShowProperties(&view), 1);
    TEXTEDITWND* editor = view.GetSelectedRichText();
    ASSERT_NE(editor, nullptr);
    KeyInto(editor, Qt::Key_End, Qt::NoModifier);
    TypeInto(editor, " in place");
    KeyInto(editor, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_TRUE(EditorHasSelection(editor));
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/app");
    const std::string stem = FORMS_TEST_OUTPUT_DIR "/app/designer_text_edit_" + std::to_string(zoom);

    QApplication::processEvents();
    view.UpdateWindow();
    const QImage selected = host.grab().toImage();
    EXPECT_TRUE(selected.save(QString::fromStdString(stem + "_selection.png")));
    EXPECT_FALSE(EditorCaretShown(editor)) << "no caret over a selection";

    KeyInto(editor, Qt::Key_End, Qt::NoModifier);
    QApplication::processEvents();
    const QImage caret = host.grab().toImage();
    EXPECT_TRUE(caret.save(QString::fromStdString(stem + "_caret.png")));
    EXPECT_TRUE(EditorCaretShown(editor));
    EXPECT_EQ(EditorText(editor), "Typed in place");

    // The selected word shows inverted: far more dark pixels than the
    // same text without a selection.
    const RECT place = EditorPlace(editor);
    EXPECT_GT(DarkPixels(selected, place), 2 * DarkPixels(caret, place));
    text->Deselect(&view);
}

INSTANTIATE_TEST_SUITE_P(Designer, DesignerTextEditPicture, testing::Values(100, 200),
    [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

} // namespace
