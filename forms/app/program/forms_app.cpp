#include "forms/app/program/forms_app.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/program/about_dlg.h"
#include "forms/app/program/desktop_registration.h"
#include "forms/app/program/splash_dlg.h"
#include "forms/document/document_fonts.h"
#include "forms/res/program_icons.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/printer_surface.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/message_box.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QMainWindow>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

namespace {

constexpr unsigned IDS_REGISTRY_KEY = 32934;
constexpr unsigned IDS_PROFILE_NAME = 32935;
constexpr char kTitle[] = "Quirewell";
constexpr char kTutorialTitle[] = "Quirewell Tutorial";
constexpr char kTutorialProfile[] = "qwtutor.ini";

// The sizes the program's icon is drawn at for window managers, task bars
// and windows.
constexpr std::array kProgramIconSides {16, 24, 32, 48, 64, 128, 256};

// The side a full set of the sizes above would answer a request for `size`
// with: the smallest at least as large in area, else the largest.
int ProgramIconSideFor(const QSize& size)
{
    const long long wanted = static_cast<long long>(size.width()) * size.height();
    for (const int side : kProgramIconSides)
        if (static_cast<long long>(side) * side >= wanted)
            return side;
    return kProgramIconSides.back();
}

// The program's icon, each size drawn the first time a window system or a
// window asks for it rather than while the program starts: a window's first
// paint asks only for the small one.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        Drawn(rect.size() * scale);
        Drawn(rect.size()).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Drawn(size).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Drawn(size).pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        Drawn(size * scale);
        return Drawn(size).pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kProgramIconSides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    // The icon with every size drawn so far and the one a request for
    // `size` picks, so that it picks as the full set would.
    const QIcon& Drawn(const QSize& size)
    {
        const int side = ProgramIconSideFor(size);
        if (std::find(drawnSides_.begin(), drawnSides_.end(), side) == drawnSides_.end()) {
            drawn_.addPixmap(QPixmap::fromImage(ProgramIcon(kProgramIconId, side)));
            drawnSides_.push_back(side);
        }
        return drawn_;
    }

    QIcon drawn_;
    std::vector<int> drawnSides_;
};

QIcon ProgramWindowIcon()
{
    return QIcon(new ProgramIconEngine);
}

QSize DesktopSizeNow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

FORMSAPP* FormsApp()
{
    return dynamic_cast<FORMSAPP*>(ui::App::Current());
}

FFRAME* MainFrameOfApp()
{
    ui::App* app = ui::App::Current();
    return app ? dynamic_cast<FFRAME*>(app->MainWnd()) : nullptr;
}

FORMSAPP::FORMSAPP(AppClasses classes)
    : classes_(std::move(classes))
    , profile_("forms")
{
    SetAppName(kTitle);
    QGuiApplication::setWindowIcon(ProgramWindowIcon());
    printers_.Reset();
    SetProgramFontTable(&fonts_);
    SetPrinterList(&printers_);
    SetProgramFonts(&DocumentFonts());
    SetFontCache(&fontCache_);
    SetFontMetricsCache(&metricsCache_);
    AddCommand(ID_FILE_NEW, [this](unsigned) {
        if (template_)
            template_->OpenNewDocument();
    });
    AddUpdate(ID_FILE_NEW, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(template_ && template_->CanCreateDocuments()); });
    AddCommand(ID_APP_ABOUT, [this](unsigned) {
        ABOUT_DLG about(mainFrame_ ? mainFrame_->GetWindow() : nullptr);
        about.exec();
    });
    AddFileCommands();
    AddCommand(ID_APP_EXIT, [this](unsigned) {
        if (mainFrame_)
            mainFrame_->OnClose();
    });
}

FORMSAPP::~FORMSAPP()
{
    SetMainWnd(nullptr);
    mainFrame_.reset();
    template_.reset();
    SetFontMetricsCache(nullptr);
    SetFontCache(nullptr);
    SetProgramFonts(nullptr);
    SetProgramFontTable(nullptr);
    SetPrinterList(nullptr);
}

std::optional<int> FORMSAPP::InitInstance(std::span<const std::string> args)
{
    const res::Resources& resources = ProgramResources();
    profile_.SetProfileName("d" + resources.LoadString(IDS_PROFILE_NAME));
    profile_.SetRegistryKey(resources.LoadString(IDS_REGISTRY_KEY));
    commandLine_ = ParseCommandLine(args);
    if (commandLine_.tutorial)
        profile_.SetProfileName(kTutorialProfile);
    helpFile_ = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "MANUAL.HLP";
    return InitMainWindow();
}

std::optional<int> FORMSAPP::InitMainWindow()
{
    if (commandLine_.registerServer) {
        const RegistrationResult result = RegisterDesktop(QCoreApplication::applicationFilePath().toStdString());
        if (!result.ok)
            std::cerr << "forms: " << result.error << '\n';
        return result.ok ? 0 : 1;
    }
    LoadSettings();
    std::unique_ptr<SPLASH_DLG> splash;
    if (!commandLine_.embedded && !commandLine_.print) {
        splash = std::make_unique<SPLASH_DLG>();
        splash->ShowNow();
    }
    if (!commandLine_.printerName.empty()) {
        printerName_ = commandLine_.printerName;
        defaultPrinterPending_ = false;
        driverName_ = commandLine_.driverName;
        portName_ = commandLine_.portName;
    } else {
        defaultPrinterPending_ = true;
    }

    mainFrame_ = std::make_unique<FFRAME>(userSettings_);
    template_ = std::make_unique<CDynViewDocTemplate>(classes_.document, classes_.views, *mainFrame_);
    mainFrame_->SetDocTemplate(template_.get());
    mainFrame_->SetRecentFileList(&stdSettings_.recentFiles);
    host_ = std::make_unique<AppDocumentHost>(*template_, commandLine_.tutorial, DefaultFormsFolder());
    template_->SetDocumentHost(host_.get());
    viewHost_ = std::make_unique<AppViewHost>(*this);
    template_->SetViewHost(viewHost_.get());
    // The tutorial's title is the frame's own from the start, so that every
    // document's title is added to it.
    mainFrame_->Create(commandLine_.tutorial ? kTutorialTitle : kTitle, DesktopSizeNow());
    SetMainWnd(mainFrame_.get());

    if (commandLine_.embedded)
        return std::nullopt;

    if (commandLine_.print) {
        // The print switch runs unattended: what would be asked or told in
        // a message box goes to the error stream, answered with the default.
        ui::ScopedMessageBoxHook unattended {[](const ui::MessageBoxRequest& request) {
            std::cerr << "forms: " << request.text << '\n';
            switch (request.flags & ui::MB_TYPEMASK) {
            case ui::MB_YESNO:
            case ui::MB_YESNOCANCEL:
                return ui::IDNO;
            case ui::MB_OKCANCEL:
            case ui::MB_RETRYCANCEL:
                return ui::IDCANCEL;
            case ui::MB_ABORTRETRYIGNORE:
                return ui::IDABORT;
            default:
                return ui::IDOK;
            }
        }};
        return PrintAndClose();
    }
    if (!commandLine_.fileName.empty()) {
        OpenDocumentFile(commandLine_.fileName);
    } else {
        template_->OpenNewDocument();
    }
    ShowMainWindow();
    return std::nullopt;
}

const std::string& FORMSAPP::GetPrinterName() const
{
    if (defaultPrinterPending_) {
        printerName_ = gdi::DefaultPrinter();
        defaultPrinterPending_ = false;
    }
    return printerName_;
}

void FORMSAPP::SetPrinterName(const std::string& name)
{
    if (name == GetPrinterName())
        return;
    printerName_ = name;
    driverName_.clear();
    portName_.clear();
}

std::optional<int> FORMSAPP::PrintAndClose()
{
    if (commandLine_.fileName.empty() || !template_->OpenDocumentFile(commandLine_.fileName))
        return 1;
    ShowMainWindow();
    const bool printed = SendCommand(*mainFrame_, ID_FILE_PRINT_DIRECT);
    mainFrame_->OnClose();
    if (!printed || printFailed_) {
        std::cerr << "forms: the form could not be printed\n";
        return 1;
    }
    return 0;
}

void FORMSAPP::ShowMainWindow()
{
    QMainWindow& window = *mainFrame_->GetWindow();
    if (userSettings_.appMaximized)
        window.showMaximized();
    else if (userSettings_.appMinimized)
        window.showMinimized();
    else
        window.show();
}

int FORMSAPP::ExitInstance(int code)
{
    if (settingsLoaded_ && !SaveSettings())
        std::cerr << "forms: the settings could not be saved in " << profile_.FilePath() << '\n';
    return code;
}

void FORMSAPP::LoadSettings()
{
    stdSettings_.Load(profile_);
    const QSize desktop = DesktopSizeNow();
    userSettings_.Load(profile_, {desktop.width(), desktop.height()});
    settingsLoaded_ = true;
}

bool FORMSAPP::SaveSettings()
{
    const bool stdSaved = stdSettings_.Save(profile_);
    return userSettings_.Save(profile_) && stdSaved;
}
