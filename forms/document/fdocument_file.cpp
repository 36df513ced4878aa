// Opening and saving the form document's compound file. A save writes a
// new file beside the target and renames it over the target only when the
// whole save succeeded.
#include "forms/document/fdocument.h"

#include "forms/document/document_host.h"
#include "forms/document/document_messages.h"
#include "forms/document/form_header.h"
#include "forms/model/int_exception.h"

#include "platform/io/archive.h"
#include "platform/io/file.h"
#include "platform/storage/compound_file.h"
#include "platform/storage/file_access.h"
#include "platform/storage/file_replace.h"
#include "platform/text/cp1252.h"

#include <filesystem>

namespace {

constexpr std::string_view kContentsStream = "Contents";
constexpr std::string_view kCounterStream = "CounterStream";
// Characters before which a title is cut to propose a file name.
constexpr std::string_view kNameStops = " #%;/\\";
constexpr size_t kProposedNameLength = 8;

// The stream's u32, or 0 when it is missing or short.
uint32_t ReadCounter(const storage::Storage& root)
{
    std::unique_ptr<storage::Stream> stream;
    if (root.OpenStream(kCounterStream, stream) != storage::Status::Ok)
        return 0;
    uint8_t bytes[4] = {};
    if (stream->Read(bytes, sizeof bytes) != sizeof bytes)
        return 0;
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

} // namespace

bool FDOCUMENT::OnOpenDocument(const std::string& path)
{
    DeleteContents();
    storage::Storage root;
    storage::Status status = storage::OpenCompoundFile(path, storage::Access::Read, root);
    if (status == storage::Status::NotCompoundFile) {
        ShowDocumentMessage(LoadDocumentString(kNotAFormMessage));
        return false;
    }
    if (status != storage::Status::Ok) {
        ShowDocumentMessage(OpenFailedText(path, StatusReason(status)));
        return false;
    }
    if (!Load(root)) {
        DeleteContents();
        return false;
    }
    sourceRoot = root;
    pathName = path;
    SetModifiedFlag(false);
    if (host)
        host->SetCurrentLayout(*this, GetPageLayout(1));
    return true;
}

bool FDOCUMENT::Load(storage::Storage& root)
{
    std::unique_ptr<storage::Stream> contents;
    if (root.OpenStream(kContentsStream, contents) != storage::Status::Ok) {
        ShowDocumentMessage(LoadDocumentString(kNotAFormMessage));
        return false;
    }
    documentCounter = ReadCounter(root);
    try {
        io::Archive archive(*contents, io::Archive::Load);
        return Serialize(archive);
    } catch (const io::ArchiveError&) {
        ShowDocumentMessage(OpenFailedText(root.GetFilePath(), "the file is damaged or incomplete"));
    } catch (const io::FileError&) {
        ShowDocumentMessage(OpenFailedText(root.GetFilePath(), "the file could not be read"));
    }
    return false;
}

bool FDOCUMENT::OnSaveDocument(const std::string& path)
{
    storage::Storage root;
    storage::Status status = storage::CreateCompoundFile(path, storage::CreateMode::Replace, root);
    if (status == storage::Status::Ok && sourceRoot) {
        // The storages and streams that other parts of the program keep
        // beside "Contents" go into the new file as they are.
        std::vector<storage::ElementInfo> elements;
        status = sourceRoot.List(elements);
        for (size_t i = 0; status == storage::Status::Ok && i < elements.size(); ++i)
            if (!text::EqualNoCase(elements[i].name, kContentsStream))
                status = sourceRoot.MoveElementTo(elements[i].name, root, elements[i].name, storage::MoveMode::Copy);
        storage::ClassId classId;
        if (status == storage::Status::Ok && sourceRoot.GetClassId(classId) == storage::Status::Ok)
            status = root.SetClassId(classId);
    }
    if (status != storage::Status::Ok) {
        ShowDocumentMessage(SaveFailedText(path, StatusReason(status)));
        return false;
    }
    std::unique_ptr<storage::Stream> contents;
    status = root.CreateStream(kContentsStream, storage::CreateMode::Replace, contents);
    try {
        if (status == storage::Status::Ok) {
            io::Archive archive(*contents, io::Archive::Store);
            Serialize(archive);
            archive.Close();
            status = root.Commit();
        }
    } catch (const CIntException& e) {
        // The body stops at the failing section: such a file is no form.
        ShowDocumentMessage(LoadDocumentString(e.GetId()));
        return false;
    } catch (const io::FileError&) {
        status = storage::Status::WriteFault;
    } catch (const io::ArchiveError&) {
        status = storage::Status::WriteFault;
    }
    if (status != storage::Status::Ok) {
        ShowDocumentMessage(SaveFailedText(path, StatusReason(status)));
        return false;
    }
    sourceRoot = root;
    pathName = path;
    SetModifiedFlag(false);
    return true;
}

std::string FDOCUMENT::ProposedFileName() const
{
    std::string name = GetTitle();
    if (!name.empty() && name.front() == '*')
        name.erase(name.begin());
    name = name.substr(0, kProposedNameLength);
    name = name.substr(0, name.find_first_of(kNameStops));
    return name + (host ? host->GetDefaultExtension() : std::string());
}

bool FDOCUMENT::DoSave(const std::string& path, bool replacePath)
{
    std::string name = path;
    if (name.empty()) {
        name = pathName.empty() && replacePath ? ProposedFileName() : pathName;
        for (;;) {
            if (!host || !host->DoPromptFileName(name, 0))
                return false;
            // A file we may not write is named now, before anything is written.
            if (storage::CheckWritable(name) != storage::Status::AccessDenied)
                break;
            if (!AskDocumentQuestion(DocumentStringWithPath(kReadOnlyFileMessage, name)))
                return false;
        }
        std::error_code error;
        if (name != pathName && std::filesystem::exists(name, error)
            && !AskDocumentQuestion(DocumentStringWithPath(kReplaceFileMessage, name)))
            return false;
    }
    if (!OnSaveDocument(name))
        return false;
    if (replacePath)
        pathName = name;
    return true;
}

bool FDOCUMENT::OnFileSave()
{
    const bool wasModified = IsModified();
    SetModifiedFlag(false);
    SetTitle(GetTitle());
    // A file we may not write stays as it is; the user may choose another.
    const bool readOnly = !pathName.empty() && storage::CheckWritable(pathName) == storage::Status::AccessDenied;
    const bool saved = readOnly
        ? AskDocumentQuestion(DocumentStringWithPath(kReadOnlyFileMessage, pathName)) && DoSave(std::string(), true)
        : DoSave(pathName, true);
    if (!saved && wasModified)
        SetModified(true);
    return saved;
}

bool FDOCUMENT::OnFileSaveAs()
{
    const bool wasModified = IsModified();
    SetModifiedFlag(false);
    SetTitle(GetTitle());
    const bool saved = DoSave(std::string(), true);
    if (!saved && wasModified)
        SetModified(true);
    if (saved && host)
        host->SetFormLibraryFolder(storage::FolderOf(pathName));
    return saved;
}

std::string FDOCUMENT::NameToSaveAs() const
{
    if (!pathName.empty())
        return std::filesystem::path(pathName).filename().string();
    const std::string& title = GetTitle();
    return !title.empty() && title.front() == '*' ? title.substr(1) : title;
}

bool FDOCUMENT::SaveModified()
{
    // The test fill ends first: the question is about the form, never
    // about values typed in to test it.
    EndTestFill();
    if (!ui::Document::SaveModified())
        return false;
    SetModifiedFlag(false);
    SetTitle(GetTitle());
    return true;
}
