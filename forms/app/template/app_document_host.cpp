#include "forms/app/template/app_document_host.h"

#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/fbaseview.h"
#include "forms/document/fdocument.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr char kOpenTitle[] = "Open";
constexpr char kSaveAsTitle[] = "Save As";
constexpr char kAllFilesName[] = "All Files (*.*)";
constexpr char kAllFilesPattern[] = "*.*";
constexpr char kFormsFolderName[] = "FORMSLIB";

} // namespace

std::string DefaultFormsFolder()
{
    const fs::path beside = fs::path(QCoreApplication::applicationDirPath().toStdString()) / kFormsFolderName;
    std::error_code error;
    if (fs::is_directory(beside, error))
        return beside.string();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string FileTitleOf(const std::string& path)
{
    return text::FromUtf8(fs::path(path).filename().string());
}

AppDocumentHost::AppDocumentHost(CDynViewDocTemplate& docTemplate, bool tutorialMode, std::string formsFolder)
    : template_(docTemplate)
    , tutorialMode_(tutorialMode)
    , formsFolder_(std::move(formsFolder))
{}

std::string AppDocumentHost::GetDefaultExtension() const
{
    std::string extension;
    template_.GetDocString(extension, CDynViewDocTemplate::filterExt);
    return extension;
}

std::vector<ui::FileFilter> AppDocumentHost::Filters() const
{
    std::string name;
    template_.GetDocString(name, CDynViewDocTemplate::filterName);
    return {{name, "*" + GetDefaultExtension()}, {kAllFilesName, kAllFilesPattern}};
}

bool AppDocumentHost::DoPromptFileName(std::string& name, uint16_t titleId)
{
    ui::FileDialogRequest request;
    request.title = titleId ? ProgramResources().LoadString(titleId) : std::string(kSaveAsTitle);
    request.filters = Filters();
    request.defaultExtension = GetDefaultExtension();
    const fs::path proposed(name);
    request.folder = proposed.has_parent_path() ? proposed.parent_path().string() : formsFolder_;
    request.fileName = proposed.filename().string();
    std::optional<std::string> chosen = ui::GetSaveFileName(std::move(request));
    if (!chosen)
        return false;
    name = *chosen;
    return true;
}

std::optional<std::string> AppDocumentHost::PromptOpenFileName()
{
    ui::FileDialogRequest request;
    request.title = kOpenTitle;
    request.filters = Filters();
    request.defaultExtension = GetDefaultExtension();
    request.folder = formsFolder_;
    std::optional<std::string> chosen = ui::GetOpenFileName(std::move(request));
    if (chosen)
        formsFolder_ = fs::path(*chosen).parent_path().string();
    return chosen;
}

void AppDocumentHost::ClearUndo(FDOCUMENT& document)
{
    document.GetUndoList().Clear();
}

void AppDocumentHost::SetCurrentLayout(FDOCUMENT& document, FLAYOUT* layout)
{
    for (ui::View* view : document.Views()) {
        auto* formView = dynamic_cast<FBASEVIEW*>(view);
        if (!formView)
            continue;
        for (uint16_t page = 1; page <= document.GetPageCount(); ++page)
            if (document.GetPageLayout(page) == layout) {
                formView->SetPage(page);
                break;
            }
        return;
    }
}

void AppDocumentHost::EndTestFill(FDOCUMENT& document)
{
    // A switch deletes the view it replaces: the list goes by weak pointers.
    std::vector<ui::TargetPtr<ui::View>> leaving;
    for (ui::View* view : document.Views())
        if (dynamic_cast<FBASEVIEW*>(view) && !template_.IsViewOfIndex(*view, kDesignView))
            leaving.push_back(view);
    for (const auto& view : leaving)
        if (view)
            template_.SwitchViewOf(*view.get(), kDesignView, true);
}
