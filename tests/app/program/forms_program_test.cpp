// The program with the form document and the design view: a new form on a
// bare start, the sample form shown at 100 % and 50 % (screenshots), and
// the print switch writing a PDF that matches the screen's drawing.
#include "tests/app/support/started_app.h"

#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/font_cache.h"
#include "forms/objects/fselection.h"

#include "platform/gdi/image_surface.h"

#include "platform/ui/message_box.h"
#include "platform/ui/print_dialog.h"
#include "platform/ui/status_bar.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QProcessEnvironment>

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

namespace {

namespace fs = std::filesystem;

using FormsProgramTest = StartedAppTest;

FDESIGNVIEW* ActiveDesignView(FORMSAPP& app)
{
    ui::Frame* child = app.GetMainFrame()->GetActiveChild();
    return child ? dynamic_cast<FDESIGNVIEW*>(child->GetActiveView()) : nullptr;
}

// Pixels of a clear colour (its channels well apart): the sample's shapes,
// not the greys of the margin guides or the page.
bool Coloured(QRgb p)
{
    const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
    const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
    return hi - lo > 60;
}

// The share of coloured pixels of a that have no coloured pixel of b
// within reach pixels.
double Unmatched(const QImage& a, const QImage& b, int reach)
{
    long coloured = 0;
    long unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Coloured(a.pixel(x, y)))
                continue;
            ++coloured;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx) {
                    const int bx = x + dx;
                    const int by = y + dy;
                    found = bx >= 0 && by >= 0 && bx < b.width() && by < b.height() && Coloured(b.pixel(bx, by));
                }
            unmatched += found ? 0 : 1;
        }
    return coloured ? static_cast<double>(unmatched) / coloured : 1.0;
}

// childSetUp runs in the child process before the program starts.
int RunForms(const QStringList& args, std::string& errors, std::function<void()> childSetUp = {})
{
    QProcess program;
    if (childSetUp)
        program.setChildProcessModifier(childSetUp);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProgram(FORMS_PROGRAM);
    program.setArguments(args);
    program.start();
    if (!program.waitForFinished(60000))
        return -1;
    errors = program.readAllStandardError().toStdString();
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

fs::path CopyOfSample(const fs::path& folder)
{
    const fs::path copy = folder / "sample.qwm";
    fs::copy_file(FORMS_SAMPLE_FORM, copy, fs::copy_options::overwrite_existing);
    return copy;
}

TEST_F(FormsProgramTest, ABareStartShowsOneNewFormInTheDesignView)
{
    auto app = StartApp({}, FormAppClasses());
    ASSERT_EQ(app->GetDocTemplate()->Documents().size(), 1u);
    EXPECT_NE(dynamic_cast<FDOCUMENT*>(app->GetDocTemplate()->Documents().front()), nullptr);
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->PagePaneText(), " 1 of 1");
    CloseApp(*app);
}

TEST_F(FormsProgramTest, TheSampleFormInTheDesignViewAtFullAndHalfSize)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetPageCount(), 6);
    int texts = 0;
    for (FORMOBJ* o = view->GetFormDocument()->GetObjects().GetHead(); o; o = o->GetNext())
        texts += o->GetPage() == 3 && std::string(o->GetRuntimeClass()) == "FTEXTOBJ";
    EXPECT_EQ(texts, 9) << "the third page holds the text objects";
    QWidget& window = *app->GetMainFrame()->GetWindow();
    window.resize(1000, 800);
    const struct {
        int zoom;
        const char* file;
    } shots[] = {{100, "forms-design-100.png"}, {50, "forms-design-50.png"}};
    for (const auto& shot : shots) {
        SCOPED_TRACE(shot.zoom);
        view->SetZoom(shot.zoom);
        RunEventsFor(50);
        const QImage image = window.grab().toImage();
        ASSERT_TRUE(image.save(QString::fromStdString((fs::path(FORMS_TEST_OUTPUT_DIR) / shot.file).string())));
        // The middle of the blue box, on the view's window.
        RECT box {1440, 1440, 5040, 3600};
        view->ToDeviceRect(box);
        const QPoint middle
            = view->GetWindow()->mapTo(&window, QPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2));
        EXPECT_EQ(image.pixelColor(middle), QColor(0x80, 0xC0, 0xE0));
        // The mouse over the box's corner shows its position in inches.
        const QPointF corner(box.left, box.top);
        QMouseEvent move(QEvent::MouseMove, corner, view->GetWindow()->mapToGlobal(corner), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(view->GetWindow(), &move);
        EXPECT_EQ(app->GetMainFrame()->GetStatusBar()->GetPaneText(ID_INDICATOR_POS), "Pos (x,y) : ( 1.00 , 1.00 )");
    }
    EXPECT_EQ(app->GetMainFrame()->GetStatusBar()->GetPaneText(ID_INDICATOR_PAGE), " 1 of 6");
    CloseApp(*app);
}

TEST_F(FormsProgramTest, TheSampleFieldPageInTheDesignViewAt100And200Percent)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    int fields = 0;
    for (FORMOBJ* o = view->GetFormDocument()->GetObjects().GetHead(); o; o = o->GetNext())
        fields += o->GetPage() == 4 && std::string(o->GetRuntimeClass()) == "FFIELD";
    EXPECT_EQ(fields, 11) << "the fourth page holds the fields and a group of three radio buttons";
    EXPECT_EQ(view->GetFormDocument()->GetTabOrderCount(), 21 + 16 + 1)
        << "and the fifth the calculated fields, the sixth a table of sixteen cells and its total";
    for (const auto& [name, value] : {std::pair {"Total", "16.5"}, {"Deliver_by", "3/16/2026"}}) {
        uint16_t id = 0;
        ASSERT_TRUE(view->GetFormDocument()->FindFieldIDByName(name, id)) << name;
        std::string text;
        view->GetFormDocument()->GetFieldDataType(id)->GetText(text);
        EXPECT_EQ(text, value) << name << ", calculated when the sample was made";
    }
    QWidget& window = *app->GetMainFrame()->GetWindow();
    window.resize(1000, 800);
    view->SetPage(4);
    for (int zoom : {100, 200}) {
        view->SetZoom(zoom);
        RunEventsFor(50);
        const QImage image = window.grab().toImage();
        const std::string file = "forms-design-fields-" + std::to_string(zoom) + ".png";
        ASSERT_TRUE(image.save(QString::fromStdString((fs::path(FORMS_TEST_OUTPUT_DIR) / file).string())));
    }
}

TEST_F(FormsProgramTest, ThePositionPanesEmptyWhenPrintingDeselects)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    ui::StatusBar& status = *app->GetMainFrame()->GetStatusBar();
    view->ExecuteCommand(ID_EDIT_SELECT_PAGE);
    ASSERT_GT(view->GetSelection()->GetCount(), 0);
    EXPECT_NE(status.GetPaneText(ID_INDICATOR_SIZE), "");
    view->PrepareToPrint();
    EXPECT_EQ(view->GetSelection()->GetCount(), 0);
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_POS), "");
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_SIZE), "") << "no size of a selection that is gone";
    CloseApp(*app);
}

TEST_F(FormsProgramTest, ThePagePaneFollowsTheActiveFormAndEmptiesWithTheLast)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    FFRAME& main = *app->GetMainFrame();
    ui::StatusBar& status = *main.GetStatusBar();
    ui::Frame* sample = main.GetActiveChild();
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_PAGE), " 1 of 6");
    ASSERT_TRUE(app->SendCommand(main, ID_FILE_NEW));
    ASSERT_NE(main.GetActiveChild(), sample);
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_PAGE), " 1 of 1");
    main.SetActiveChild(sample);
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_PAGE), " 1 of 6") << "the form brought forward";
    for (ui::Frame* child : main.GetChildren()) {
        if (auto* doc = dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()))
            doc->SetModified(false);
        EXPECT_TRUE(child->OnClose());
    }
    ASSERT_TRUE(main.GetChildren().empty());
    EXPECT_EQ(status.GetPaneText(ID_INDICATOR_PAGE), "") << "no form, no page";
    CloseApp(*app);
}

TEST_F(FormsProgramTest, PrintSwitchWritesAPdfMatchingTheScreen)
{
    const fs::path folder = config.Folder() / "forms";
    fs::create_directories(folder);
    const fs::path form = CopyOfSample(folder);
    std::string errors;
    ASSERT_EQ(RunForms({"-p", QString::fromStdString(form.string())}, errors), 0) << errors;
    const fs::path pdf = folder / "sample.pdf";
    ASSERT_TRUE(fs::exists(pdf));

    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf.string())});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           6"));

    QProcess raster;
    const fs::path prefix = fs::path(FORMS_TEST_OUTPUT_DIR) / "forms-print-page";
    raster.start("pdftoppm",
        {"-r", "96", "-f", "1", "-l", "1", "-singlefile", "-png", QString::fromStdString(pdf.string()),
            QString::fromStdString(prefix.string())});
    ASSERT_TRUE(raster.waitForFinished(20000));
    QImage printed(QString::fromStdString(prefix.string() + ".png"));
    ASSERT_FALSE(printed.isNull());

    // The screen's drawing of page 1 at 100 %, 96 pixels per inch.
    auto app = StartApp({form.string()}, FormAppClasses());
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    view->SetZoom(100);
    const POINT corner = view->GetViewportOrg();
    gdi::ImageSurface screen(corner.x + printed.width(), corner.y + printed.height(), 96);
    {
        gdi::DC dc(screen);
        view->OnDraw(dc);
    }
    const QImage drawn = screen.Image().copy(corner.x, corner.y, printed.width(), printed.height());
    drawn.save(QString::fromStdString((fs::path(FORMS_TEST_OUTPUT_DIR) / "forms-screen-page.png").string()));
    EXPECT_LT(Unmatched(drawn, printed, 2), 0.01);
    EXPECT_LT(Unmatched(printed, drawn, 2), 0.01);
    CloseApp(*app);
}

TEST_F(FormsProgramTest, PrintSwitchFailsWhenTheFormOrThePdfCannotBeMade)
{
    const fs::path folder = config.Folder() / "forms";
    fs::create_directories(folder);
    std::string errors;
    EXPECT_NE(RunForms({"-p", QString::fromStdString((folder / "missing.qwm").string())}, errors), 0);
    EXPECT_NE(errors.find("missing.qwm"), std::string::npos) << errors;

    // A folder stands where the PDF would go.
    const fs::path form = CopyOfSample(folder);
    fs::create_directories(folder / "sample.pdf");
    EXPECT_EQ(RunForms({"-p", QString::fromStdString(form.string())}, errors), 1);
    EXPECT_NE(errors.find("Failed to start printing."), std::string::npos) << errors;
}

// A small file system mounted over a folder for the test's time; not
// mounted when the test may not mount (it then runs unprivileged).
class ScopedTmpfs {
public:
    ScopedTmpfs(const fs::path& folder, const char* options)
        : folder_(folder)
        , mounted_(::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) == 0)
    {}
    ~ScopedTmpfs()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;
    bool Mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_;
};

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t Occurrences(const std::string& text, const std::string& word)
{
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size()))
        ++count;
    return count;
}

// A disk that fills while the PDF is written: a small file system, or,
// where the test may not mount one, a file size limit on the program that
// cuts its writes short the same way.
TEST_F(FormsProgramTest, PrintSwitchOntoAFullDiskKeepsTheEarlierPdf)
{
    const fs::path folder = config.Folder() / "full";
    fs::create_directories(folder);
    const std::string earlier = "%PDF-1.4 the form as printed before\n";
    struct Case {
        const char* name;
        bool smallDisk;
    };
    for (const Case c : {Case {"small file system", true}, Case {"file size limit", false}}) {
        std::optional<ScopedTmpfs> disk;
        if (c.smallDisk) {
            disk.emplace(folder, "size=64k");
            if (!disk->Mounted())
                continue;
        }
        const fs::path form = CopyOfSample(folder);
        std::ofstream(folder / "sample.pdf", std::ios::binary) << earlier;
        std::function<void()> limit;
        if (c.smallDisk) {
            // Leave the PDF a few kilobytes.
            std::ofstream filler(folder / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (fs::space(folder).available > 8192 && filler.write(block.data(), block.size()))
                filler.flush();
        } else {
            limit = [] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit size {8192, 8192};
                ::setrlimit(RLIMIT_FSIZE, &size);
            };
        }
        std::string errors;
        EXPECT_EQ(RunForms({"-p", QString::fromStdString(form.string())}, errors, limit), 1) << c.name << errors;
        EXPECT_TRUE(FileText(folder / "sample.pdf") == earlier) << c.name << ": the earlier PDF was replaced";
        EXPECT_NE(errors.find("sample.pdf"), std::string::npos) << c.name << errors;
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_FALSE(entry.path().filename().string().ends_with(".part")) << c.name << entry.path();
        disk.reset();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
}

// A folder the PDF cannot be written into: one message says so; the
// painter is never asked to draw on a printer that did not start.
TEST_F(FormsProgramTest, PrintSwitchIntoAFolderThatCannotBeWrittenSaysSoOnce)
{
    const fs::path folder = config.Folder() / "locked";
    fs::create_directories(folder);
    const fs::path form = CopyOfSample(folder);
    std::ofstream(folder / "sample.pdf", std::ios::binary) << "%PDF-1.4 before\n";
    // Read-only for everyone: a read-only mount of the folder as it is,
    // or, unprivileged, a folder without write permission.
    const fs::path locked = config.Folder() / "locked-view";
    fs::create_directories(locked);
    const bool bound = ::mount(folder.c_str(), locked.c_str(), nullptr, MS_BIND, nullptr) == 0
        && ::mount(nullptr, locked.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    const fs::path where = bound ? locked : folder;
    if (!bound)
        fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
            fs::perm_options::remove);
    std::string errors;
    const int code = RunForms({"-p", QString::fromStdString((where / "sample.qwm").string())}, errors);
    if (bound)
        ::umount2(locked.c_str(), MNT_DETACH);
    else
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(code, 1) << errors;
    EXPECT_EQ(Occurrences(errors, "Failed to start printing."), 1u) << errors;
    EXPECT_EQ(Occurrences(errors, "QPainter"), 0u) << errors;
    EXPECT_TRUE(FileText(folder / "sample.pdf") == "%PDF-1.4 before\n") << "the earlier PDF was replaced";
}

// A printer chosen in File Print's dialog becomes the program's printer,
// and the views are drawn again for it with fonts made afresh.
TEST_F(FormsProgramTest, APrinterChosenForFilePrintBecomesTheProgramsPrinter)
{
    auto app = StartApp({FORMS_SAMPLE_FORM}, FormAppClasses());
    FDESIGNVIEW* view = ActiveDesignView(*app);
    ASSERT_NE(view, nullptr);
    view->SetPage(3);
    {
        gdi::ImageSurface screen(800, 600, 96);
        gdi::DC dc(screen);
        view->OnDraw(dc);
    }
    ASSERT_GT(GetFontCache()->GetCount(1), 0) << "the page's texts made screen fonts";
    const std::string before = app->GetPrinterName();
    std::vector<std::string> told;
    ui::ScopedMessageBoxHook boxes([&](const ui::MessageBoxRequest& request) {
        told.push_back(request.text);
        return ui::IDOK;
    });
    ui::ScopedPrintDialogHook dialog([](const ui::PrintDialogRequest&) {
        return ui::PrintChoice {"Office Laser", "", 1, 1, 1, true};
    });
    // No such printer is installed here, so the job cannot start.
    app->SendCommand(*app->GetMainFrame(), ID_FILE_PRINT);
    EXPECT_NE(before, "Office Laser");
    EXPECT_EQ(app->GetPrinterName(), "Office Laser");
    EXPECT_EQ(GetFontCache()->GetCount(1), 0);
    EXPECT_EQ(told, std::vector<std::string> {"Failed to start printing."});
    view->GetFormDocument()->SetModified(false);
    CloseApp(*app);
}

} // namespace
