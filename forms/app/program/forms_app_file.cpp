// The File menu's commands: Open, the recent files, and Close, Save and
// Save As of the active form.
#include "forms/app/program/forms_app.h"

#include "forms/app/frames/main_frame.h"
#include "forms/document/fdocument.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/frame.h"

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The path as the recent file list keeps it: absolute.
std::string FullPath(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    const bool same = fs::equivalent(a, b, error);
    return error ? FullPath(a) == FullPath(b) : same;
}

} // namespace

void FORMSAPP::AddFileCommands()
{
    AddCommand(ID_FILE_OPEN, [this](unsigned) { OnFileOpen(); });
    AddUpdate(ID_FILE_OPEN, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(template_ && template_->CanCreateDocuments()); });
    AddCommand(ID_FILE_SAVE, [this](unsigned) { OnFileSave(false); });
    AddCommand(ID_FILE_SAVE_AS, [this](unsigned) { OnFileSave(true); });
    AddUpdate(ID_FILE_SAVE, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(ActiveFormDocument() != nullptr); });
    AddUpdate(ID_FILE_SAVE_AS, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(ActiveFormDocument() != nullptr); });
    AddCommand(ID_FILE_CLOSE, [this](unsigned) { OnFileClose(); });
    AddUpdate(ID_FILE_CLOSE, [this](ui::CmdUI& cmdUI) {
        ui::Frame* child = mainFrame_ ? mainFrame_->GetActiveChild() : nullptr;
        cmdUI.Enable(child && child->GetActiveDocument());
    });
    const unsigned last = ID_FILE_MRU_FILE1 + StdProfileSettings::kRecentFiles - 1;
    AddCommandRange(ID_FILE_MRU_FILE1, last, [this](unsigned id) { OnOpenRecentFile(id); });
    AddUpdateRange(ID_FILE_MRU_FILE1, last, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(cmdUI.Id() - ID_FILE_MRU_FILE1 < stdSettings_.recentFiles.Files().size());
    });
}

FDOCUMENT* FORMSAPP::ActiveFormDocument() const
{
    ui::Frame* child = mainFrame_ ? mainFrame_->GetActiveChild() : nullptr;
    return child ? dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()) : nullptr;
}

ui::Document* FORMSAPP::FindOpenDocument(const std::string& path) const
{
    if (!template_)
        return nullptr;
    for (ui::Document* doc : template_->Documents())
        if (auto* form = dynamic_cast<FDOCUMENT*>(doc);
            form && !form->GetPathName().empty() && SameFile(form->GetPathName(), path))
            return doc;
    return nullptr;
}

ui::Document* FORMSAPP::OpenDocumentFile(const std::string& path)
{
    if (!template_ || !mainFrame_)
        return nullptr;
    const std::string fullPath = FullPath(path);
    ui::Document* doc = FindOpenDocument(fullPath);
    if (doc) {
        for (ui::Frame* child : mainFrame_->GetChildren())
            if (child->GetActiveDocument() == doc) {
                mainFrame_->SetActiveChild(child);
                break;
            }
    } else {
        doc = template_->OpenDocumentFile(fullPath);
    }
    if (doc)
        stdSettings_.recentFiles.Add(fullPath);
    return doc;
}

void FORMSAPP::OnFileOpen()
{
    if (!host_)
        return;
    if (std::optional<std::string> path = host_->PromptOpenFileName())
        OpenDocumentFile(*path);
}

void FORMSAPP::OnOpenRecentFile(unsigned id)
{
    const std::size_t index = id - ID_FILE_MRU_FILE1;
    const std::vector<std::string>& files = stdSettings_.recentFiles.Files();
    if (index >= files.size())
        return;
    const std::string path = files[index];
    if (!OpenDocumentFile(path))
        stdSettings_.recentFiles.Remove(index);
}

void FORMSAPP::OnFileSave(bool saveAs)
{
    FDOCUMENT* doc = ActiveFormDocument();
    if (!doc)
        return;
    if (!(saveAs ? doc->OnFileSaveAs() : doc->OnFileSave()))
        return;
    doc->SetTitle(FileTitleOf(doc->GetPathName()));
    stdSettings_.recentFiles.Add(FullPath(doc->GetPathName()));
}

void FORMSAPP::OnFileClose()
{
    ui::Frame* active = mainFrame_ ? mainFrame_->GetActiveChild() : nullptr;
    ui::Document* doc = active ? active->GetActiveDocument() : nullptr;
    if (!doc || !doc->SaveModified())
        return;
    if (auto* form = dynamic_cast<FDOCUMENT*>(doc); form && !form->GetPathName().empty())
        stdSettings_.recentFiles.Add(FullPath(form->GetPathName()));
    // Every frame showing the document closes; the document goes with the last.
    std::vector<ui::Frame*> frames;
    for (ui::Frame* child : mainFrame_->GetChildren())
        if (child->GetActiveDocument() == doc)
            frames.push_back(child);
    for (ui::Frame* frame : frames)
        frame->OnClose();
}
