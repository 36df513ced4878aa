// The print job: pages run in order with the printing dialog's abort
// procedure after each; Cancel or a failing printer aborts the document
// after the page in hand, and only a whole job is ended. On the PDF printer
// a job that did not end leaves the earlier PDF as it was.
#include "tests/app/support/view_test_support.h"

#include "forms/app/print/print_cancel_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

} // namespace
