// The print job: pages run in order with the printing dialog's abort
// procedure after each; Cancel or a failing printer aborts the document
// after the page in hand, and only a whole job is ended. On the PDF printer
// a job that did not end leaves the earlier PDF as it was.
#include "tests/app/support/view_test_support.h"

#include "forms/app/print/print_cancel_dlg.h"

#include "forms/document/fdocument.h"
#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"

#include "platform/gdi/printer_dev_mode.h"
#include "platform/ui/print_dialog.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

using Outcome = FBASEVIEW::PrintOutcome;

// A printer whose next page fails.
class FailingPrinter : public gdi::RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    bool NewPage() override
    {
        RecordingSurface::NewPage();
        return false;
    }
};

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest()
    {
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
    }
    ~PrintJobTest() override { view.SetDocument(nullptr); }

    // Cancel is pressed while the first page prints: the dialog sees it
    // when its abort procedure next runs.
    static void CancelDuringThePage(PRINT_CANCEL_DLG& dialog)
    {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton*>()->click(); });
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    RecordingView view;
};

// The job's own calls, in order.
std::vector<std::string> JobCalls(const gdi::RecordingSurface& printer)
{
    std::vector<std::string> calls;
    for (const gdi::RecordedCall& call : printer.Calls())
        if (call.name == "NewPage" || call.name == "EndDoc" || call.name == "AbortDoc")
            calls.push_back(call.name);
    return calls;
}

TEST_F(PrintJobTest, OnlyAWholeJobIsEnded)
{
    struct Case {
        const char* name;
        bool cancel;
        bool failingPrinter;
        Outcome outcome;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"printed", false, false, Outcome::Printed, {"NewPage", "EndDoc"}},
        {"cancelled on page 1", true, false, Outcome::Cancelled, {"AbortDoc"}},
        {"printer fails at page 2", false, true, Outcome::Failed, {"NewPage", "AbortDoc"}},
    };
    for (const Case& c : cases) {
        const SIZE a4 {4961, 7016};
        std::unique_ptr<gdi::RecordingSurface> printer = c.failingPrinter
            ? std::make_unique<FailingPrinter>(gdi::DeviceKind::Printer, 600, 600, a4)
            : std::make_unique<gdi::RecordingSurface>(gdi::DeviceKind::Printer, 600, 600, a4);
        PRINT_CANCEL_DLG dialog("Form", "Printer", "", nullptr);
        dialog.show();
        if (c.cancel)
            CancelDuringThePage(dialog);
        EXPECT_EQ(view.PrintPagesOn(*printer, &dialog), c.outcome) << c.name;
        EXPECT_EQ(JobCalls(*printer), c.calls) << c.name;
        // The first page was drawn before anything else happened to the job.
        ASSERT_FALSE(printer->Calls().empty());
        EXPECT_NE(printer->Calls().front().name, "NewPage") << c.name;
        EXPECT_NE(printer->Calls().front().name, "AbortDoc") << c.name;
    }
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST_F(PrintJobTest, APdfIsReplacedOnlyByAWholeJob)
{
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "print_job_pdf";
    const std::filesystem::path pdf = folder / "form.pdf";
    const std::string earlier = "%PDF-1.4 the form as printed before\n";
    struct Case {
        const char* name;
        bool cancel;
    };
    for (const Case c : {Case {"cancelled", true}, Case {"printed", false}}) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::ofstream(pdf, std::ios::binary) << earlier;
        view.SetPdfPath(pdf.string());
        if (c.cancel)
            QTimer::singleShot(0, [] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* dialog = dynamic_cast<PRINT_CANCEL_DLG*>(w))
                        dialog->findChild<QPushButton*>()->click();
            });
        EXPECT_EQ(view.PrintPages(true), !c.cancel) << c.name;
        const std::string now = FileText(pdf);
        if (c.cancel) {
            EXPECT_EQ(now, earlier) << c.name;
        } else {
            EXPECT_TRUE(now.starts_with("%PDF")) << c.name;
            EXPECT_NE(now, earlier) << c.name;
        }
        EXPECT_EQ(FolderNames(folder), std::vector<std::string> {"form.pdf"}) << c.name;
    }
}

// A form whose first page is Letter lying on its side and whose second is
// an upright A5, a paper the program has no code for.
void GiveEachPageItsPaper(FDOCUMENT& doc)
{
    FLAYOUT* letter = doc.GetPageLayout(1);
    letter->option2 = 1;
    letter->pageWidth = 15840;
    letter->pageHeight = 12240;
    auto a5 = std::make_unique<FLAYOUT>();
    a5->CopyFrom(*letter);
    a5->option2 = 0;
    a5->pageWidth = 8391;
    a5->pageHeight = 11906;
    doc.GetLayouts().Append(std::move(a5));
    doc.GetPages().GetAt(2)->layout = 2;
}

// The values of each ResetDC: orientation, paper code, length and width.
std::vector<std::vector<int>> PaperCalls(const gdi::RecordingSurface& printer)
{
    std::vector<std::vector<int>> calls;
    for (const gdi::RecordedCall& call : printer.Calls())
        if (call.name == "ResetDC")
            calls.push_back(call.values);
    return calls;
}

TEST_F(PrintJobTest, EachPageGoesOnItsOwnPaperInTheOrderTheJobAsks)
{
    GiveEachPageItsPaper(*doc);
    const std::vector<int> letterLandscape {gdi::DMORIENT_LANDSCAPE, 1, 0, 0};
    const std::vector<int> a5 {gdi::DMORIENT_PORTRAIT, gdi::DMPAPER_USER, 2100, 1480};
    struct Case {
        const char* name;
        FBASEVIEW::PrintJob job;
        std::vector<std::vector<int>> papers;
    };
    const Case cases[] = {
        {"whole form", {}, {letterLandscape, a5}},
        {"second page only", {2, 2, 1, true, ""}, {a5}},
        {"backwards", {2, 1, 1, true, ""}, {a5, letterLandscape}},
        {"two sets", {1, 2, 2, true, ""}, {letterLandscape, a5, letterLandscape, a5}},
        {"each page twice", {1, 2, 2, false, ""}, {letterLandscape, letterLandscape, a5, a5}},
    };
    for (const Case& c : cases) {
        gdi::RecordingSurface printer(gdi::DeviceKind::Printer, 600, 600, {4961, 7016});
        EXPECT_EQ(view.PrintPagesOn(printer, nullptr, c.job), Outcome::Printed) << c.name;
        EXPECT_EQ(PaperCalls(printer), c.papers) << c.name;
        const auto newPages = std::count_if(printer.Calls().begin(), printer.Calls().end(),
            [](const gdi::RecordedCall& call) { return call.name == "NewPage"; });
        EXPECT_EQ(newPages + 1, static_cast<long>(c.papers.size())) << c.name;
        // A page's paper is set before the page starts.
        std::string previous;
        for (const gdi::RecordedCall& call : printer.Calls()) {
            if (call.name == "NewPage") {
                EXPECT_EQ(previous, "ResetDC") << c.name;
            }
            previous = call.name;
        }
    }
}

// The page sizes pdfinfo reports, in points, page by page.
std::vector<std::pair<double, double>> PdfPageSizes(const std::filesystem::path& pdf, int pages)
{
    QProcess info;
    info.start("pdfinfo", {"-f", "1", "-l", QString::number(pages), QString::fromStdString(pdf.string())});
    info.waitForFinished(20000);
    std::vector<std::pair<double, double>> sizes;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch match
            = QRegularExpression(R"(^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)").match(line);
        if (match.hasMatch())
            sizes.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return sizes;
}

TEST_F(PrintJobTest, APdfPageHasItsOwnPagesSizeAndOrientation)
{
    GiveEachPageItsPaper(*doc);
    const std::filesystem::path pdf = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "print_job_papers.pdf";
    std::filesystem::remove(pdf);
    view.SetPdfPath(pdf.string());
    ASSERT_TRUE(view.PrintPages(false));
    const auto sizes = PdfPageSizes(pdf, 2);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[0].first, 792, 0.5) << "Letter on its side";
    EXPECT_NEAR(sizes[0].second, 612, 0.5);
    EXPECT_NEAR(sizes[1].first, 419.5, 0.5) << "A5 upright";
    EXPECT_NEAR(sizes[1].second, 595.3, 0.5);
}

TEST_F(PrintJobTest, FilePrintPrintsWhatTheDialogChose)
{
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "print_job_dialog";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path own = folder / "form.pdf";
    const std::filesystem::path chosen = folder / "chosen.pdf";
    view.SetPdfPath(own.string());
    struct Case {
        const char* name;
        std::optional<ui::PrintChoice> answer;
        bool printed;
        int pages;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, false, 0},
        {"page 2 to a file", ui::PrintChoice {"", chosen.string(), 2, 2, 1, true}, true, 1},
        {"both pages twice", ui::PrintChoice {"", chosen.string(), 1, 2, 2, true}, true, 4},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(chosen);
        std::vector<ui::PrintDialogRequest> asked;
        ui::ScopedPrintDialogHook hook([&](const ui::PrintDialogRequest& request) {
            asked.push_back(request);
            return c.answer;
        });
        EXPECT_EQ(view.OnFilePrint(), c.printed) << c.name;
        ASSERT_EQ(asked.size(), 1u) << c.name;
        EXPECT_EQ(asked[0].pageCount, 2) << c.name;
        EXPECT_EQ(asked[0].printer, "") << c.name;
        EXPECT_EQ(asked[0].pdfPath, own.string()) << c.name;
        EXPECT_EQ(PdfPageSizes(chosen, 4).size(), static_cast<size_t>(c.pages)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(own)) << c.name << ": the view's own PDF is left alone";
    }
}

} // namespace
