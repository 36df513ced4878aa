// The program's one application object: it starts the program from its
// command line and settings, owns the settings, the document template and
// the main frame, takes the commands that belong to no document (File New,
// Open, the recent files, Exit) and the file commands of the active form,
// and saves the settings at exit.
#pragma once

#include "forms/app/program/app_view_host.h"
#include "forms/app/program/command_line.h"
#include "forms/app/program/recent_file_menu.h"
#include "forms/app/program/std_profile_settings.h"
#include "forms/app/program/user_settings.h"
#include "forms/app/template/app_document_host.h"
#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/document/font_table.h"
#include "forms/document/print/page_dev_mode.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/res/command_ids.h"

#include "platform/settings/profile.h"
#include "platform/ui/app.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

class FDOCUMENT;
class FFRAME;

namespace ui {
class Document;
}

// The classes the template makes: the form document (absent until the
// program has one) and the table of view classes.
struct AppClasses {
    std::optional<DocumentClass> document;
    ViewTable views = FormViewTable();
};

class FORMSAPP : public ui::App {
public:
    // A QApplication must exist.
    explicit FORMSAPP(AppClasses classes = {});
    ~FORMSAPP() override;

    // Starts the program from its arguments (without the program's name).
    // Nothing when the event loop is to run; otherwise the exit code of a
    // program that ends here (registered, printed, or failed to start).
    std::optional<int> InitInstance(std::span<const std::string> args);
    // Saves the settings when they were loaded; returns the exit code.
    int ExitInstance(int code);

    const CommandLine& GetCommandLine() const { return commandLine_; }
    settings::Profile& GetProfile() { return profile_; }
    USERSETTINGS& GetUserSettings() { return userSettings_; }
    StdProfileSettings& GetStdSettings() { return stdSettings_; }
    FFRAME* GetMainFrame() const { return mainFrame_.get(); }
    CDynViewDocTemplate* GetDocTemplate() const { return template_.get(); }
    AppDocumentHost* GetDocumentHost() const { return host_.get(); }
    AppViewHost* GetViewHost() const { return viewHost_.get(); }
    // "MANUAL.HLP" in the program's folder.
    const std::filesystem::path& GetHelpFilePath() const { return helpFile_; }
    // The current printer: the one the command line names, else the
    // default printer ("" for the PDF printer).
    const std::string& GetPrinterName() const;
    const std::string& GetDriverName() const { return driverName_; }
    const std::string& GetPortName() const { return portName_; }
    // Another printer chosen for the program ("" for the PDF printer); the
    // driver and port go with the printer they were given for.
    void SetPrinterName(const std::string& name);
    // The current printer's orientation (landscape for flag 1) and paper,
    // upright in twips, as print jobs and the Print dialog start with them.
    void SetOrientation(int landscape) { SetDevModeOrientation(devMode_, landscape); }
    void SetPaperSize(int32_t width, int32_t length) { SetDevModePaperSize(devMode_, width, length); }
    const gdi::DevMode& GetDevMode() const { return devMode_; }

    // A print job tells how it ended; the print switch ends with failure
    // when any job failed.
    void NotePrintResult(bool ok)
    {
        if (!ok)
            printFailed_ = true;
    }

    // A file already open has its frame activated; otherwise it is opened
    // into a new frame. Either way it goes first in the recent file list.
    // Null when it could not be opened (the document said why).
    ui::Document* OpenDocumentFile(const std::string& path);

    void LoadSettings();
    // False when any entry could not be written.
    bool SaveSettings();

private:
    std::optional<int> InitMainWindow();
    // The print switch: opens the file, prints it and closes the program.
    std::optional<int> PrintAndClose();
    void ShowMainWindow();

    // The File menu's commands.
    void AddFileCommands();
    void OnFileOpen();
    void OnFileSave(bool saveAs);
    void OnFileClose();
    void OnOpenRecentFile(unsigned id);
    FDOCUMENT* ActiveFormDocument() const;
    ui::Document* FindOpenDocument(const std::string& path) const;

    AppClasses classes_;
    // The program-wide font table and printer list, set while the
    // application lives.
    FONT_TABLE fonts_;
    PRINTER_LIST printers_;
    // The caches of fonts and of their measures that text is drawn and
    // laid out with.
    FONTCACHE fontCache_;
    FONTMETRICSCACHE metricsCache_;
    CommandLine commandLine_;
    settings::Profile profile_;
    USERSETTINGS userSettings_;
    StdProfileSettings stdSettings_;
    bool settingsLoaded_ = false;
    bool printFailed_ = false;
    // Asking for the default printer loads the print system, so it is asked
    // when the printer is first needed, not before the window shows.
    mutable std::string printerName_;
    mutable bool defaultPrinterPending_ = false;
    std::string driverName_;
    std::string portName_;
    gdi::DevMode devMode_;
    std::filesystem::path helpFile_;
    // The frame goes before the template: its child frames show the
    // template's documents.
    std::unique_ptr<AppDocumentHost> host_;
    std::unique_ptr<AppViewHost> viewHost_;
    std::unique_ptr<CDynViewDocTemplate> template_;
    std::unique_ptr<FFRAME> mainFrame_;
};

// The running application as the program's own, and its main window as the
// program's main frame; null when there is none or it is of another kind.
FORMSAPP* FormsApp();
FFRAME* MainFrameOfApp();
