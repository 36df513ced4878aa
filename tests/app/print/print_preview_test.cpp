// Print preview: as many pages side by side as the form allows, up to two,
// drawn as the printer draws them.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/view_test_support.h"

#include "forms/app/print/print_preview.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
    void Open(std::unique_ptr<FDOCUMENT> form)
    {
        doc = std::move(form);
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
    }
    QLabel* PageLabel(PrintPreview& preview, int i)
    {
        return preview.findChild<QLabel*>(QStringLiteral("page_%1").arg(i));
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc;
    RecordingView view;
};

TEST_F(PrintPreviewTest, OnePageFormShowsOnePage)
{
    Open(std::make_unique<FDOCUMENT>());
    PrintPreview preview(view);
    EXPECT_EQ(preview.GetPagesShown(), 1);
    EXPECT_NE(PageLabel(preview, 0), nullptr);
    EXPECT_EQ(PageLabel(preview, 1), nullptr);
}

TEST_F(PrintPreviewTest, TwoPagesSideBySide)
{
    Open(MakeTwoPageForm());
    PrintPreview preview(view);
    preview.show();
    EXPECT_EQ(preview.GetPagesShown(), 2);
    QLabel* left = PageLabel(preview, 0);
    QLabel* right = PageLabel(preview, 1);
    ASSERT_TRUE(left && right);
    EXPECT_FALSE(left->pixmap().isNull());
    EXPECT_FALSE(right->pixmap().isNull());
    EXPECT_GT(right->x(), left->x() + left->width() - 1);
    EXPECT_EQ(right->y(), left->y());
    preview.grab().save(
        QString::fromStdString((std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "print-preview.png").string()));
}

TEST_F(PrintPreviewTest, PagingStaysWithinTheForm)
{
    auto form = MakeTwoPageForm();
    form->AppendPage();
    Open(std::move(form));
    PrintPreview preview(view);
    const struct {
        int asked;
        int first;
    } cases[] = {{2, 2}, {3, 2}, {0, 1}, {1, 1}};
    for (const auto& c : cases) {
        preview.ShowFrom(c.asked);
        EXPECT_EQ(preview.GetFirstPage(), c.first);
        EXPECT_EQ(preview.GetPagesShown(), 2);
    }
}

TEST_F(PrintPreviewTest, PagesAreDrawnAsPrintedWithoutGuides)
{
    Open(MakeTwoPageForm());
    // 60 pixels per inch: the box's black border runs from 60 to 120.
    const QImage page = PrintPreview::RenderPage(view, 1, 60);
    EXPECT_EQ(page.size(), QSize(496, 702));
    EXPECT_EQ(page.pixelColor(60, 90), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(90, 90), QColor(Qt::white));
    // Where the left margin's guide would be on the screen.
    EXPECT_EQ(page.pixelColor(30, 400), QColor(Qt::white));
    EXPECT_EQ(view.GetCurrentPage(), 1);
}

// Pixels that are not white in the ring around the box (1440, 1440, 2880,
// 2880) at 60 pixels per inch, where its handles would stand: the box's
// border runs from 60 to 120.
int MarksAroundTheBox(const QImage& page)
{
    int marks = 0;
    for (int y = 48; y < 132; ++y)
        for (int x = 48; x < 132; ++x) {
            const bool ring = x < 58 || x > 122 || y < 58 || y > 122;
            if (ring && page.pixelColor(x, y) != QColor(Qt::white))
                ++marks;
        }
    return marks;
}

class PreviewOfASelection : public DesignerTest {};

TEST_F(PreviewOfASelection, ShowsThePageWithNothingSelected)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 1440, 2880, 2880});
    box->Select(&view);
    ASSERT_EQ(view.GetSelection()->GetCount(), 1);
    // Drawn while selected, the box carries its handles.
    EXPECT_GT(MarksAroundTheBox(PrintPreview::RenderPage(view, 1, 60)), 0);

    QImage shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* preview = dynamic_cast<PrintPreview*>(modal))
            if (auto* page = preview->findChild<QLabel*>(QStringLiteral("page_0")))
                shown = page->pixmap().toImage();
        if (modal)
            modal->close();
    });
    EXPECT_TRUE(view.ExecuteCommand(ID_FILE_PRINT_PREVIEW));
    ASSERT_FALSE(shown.isNull());
    shown.save(QString::fromStdString(
        (std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "print-preview-of-a-selection.png").string()));

    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
    EXPECT_EQ(MarksAroundTheBox(shown), 0);
    for (int along = 62; along < 118; along += 4) {
        EXPECT_EQ(shown.pixelColor(60, along), QColor(Qt::black)) << along;
        EXPECT_EQ(shown.pixelColor(along, 60), QColor(Qt::black)) << along;
        EXPECT_EQ(shown.pixelColor(90, along), QColor(Qt::white)) << along;
    }
}

} // namespace
