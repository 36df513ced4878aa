// What the program gives its form documents: the tutorial mode, the Open
// and Save dialogs with the template's file types, the forms folder the
// dialogs start in, and the document's undo list and first view.
#pragma once

#include "forms/document/document_host.h"

#include "platform/ui/file_dialog.h"

#include <optional>
#include <string>
#include <vector>

class CDynViewDocTemplate;

class AppDocumentHost : public DocumentHost {
public:
    // The template gives the file types; it must outlive the host. The
    // forms folder starts as formsFolder.
    AppDocumentHost(CDynViewDocTemplate& docTemplate, bool tutorialMode, std::string formsFolder);

    bool IsTutorialMode() const override { return tutorialMode_; }
    // The Save dialog; titleId 0 gives "Save As". A name with a folder
    // starts the dialog there, a bare name in the forms folder.
    bool DoPromptFileName(std::string& name, uint16_t titleId) override;
    std::string GetFormLibraryFolder() const override { return formsFolder_; }
    void SetFormLibraryFolder(const std::string& folder) override { formsFolder_ = folder; }
    std::string GetDefaultExtension() const override;
    void ClearUndo(FDOCUMENT& document) override;
    // The first form view of the document shows the first page of the layout.
    void SetCurrentLayout(FDOCUMENT& document, FLAYOUT* layout) override;
    // Every view of the document that is not a design view is switched to
    // the design view.
    void EndTestFill(FDOCUMENT& document) override;

    // The Open dialog, starting in the forms folder; the chosen file's
    // folder becomes the forms folder. Nothing when cancelled.
    std::optional<std::string> PromptOpenFileName();

    // The template's file type, then all files.
    std::vector<ui::FileFilter> Filters() const;

private:
    CDynViewDocTemplate& template_;
    bool tutorialMode_;
    std::string formsFolder_;
};

// "FORMSLIB" beside the program when that folder exists, else the user's
// documents folder.
std::string DefaultFormsFolder();

// The title of a document kept in the file: the file's name (Windows-1252).
std::string FileTitleOf(const std::string& path);
