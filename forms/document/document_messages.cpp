// Showing the document's messages.
#include "forms/document/document_messages.h"

#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"
#include "platform/ui/message_box.h"

#include <cerrno>
#include <system_error>

namespace {
std::string Caption()
{
    return ui::App::Current() ? ui::App::Current()->AppName() : std::string();
}

// The system's text for an error, begun in lower case to stand inside a
// sentence ("file name too long").
std::string SystemErrorText(int error)
{
    std::string text = text::FromUtf8(std::generic_category().message(error));
    if (!text.empty())
        text[0] = static_cast<char>(text::ToLower(static_cast<unsigned char>(text[0])));
    return text;
}
} // namespace

std::string LoadDocumentString(int id)
{
    return ProgramResources().LoadString(static_cast<uint32_t>(id));
}

std::string DocumentStringWithPath(int id, const std::string& path)
{
    std::string text = LoadDocumentString(id);
    if (size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

void ShowDocumentMessage(std::string_view text)
{
    ui::MessageBox(text, Caption(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool AskDocumentQuestion(std::string_view text)
{
    return ui::MessageBox(text, Caption(), ui::MB_YESNO | ui::MB_ICONQUESTION) == ui::IDYES;
}

std::string OpenFailedText(const std::string& path, std::string_view reason)
{
    return "Unable to open " + path + ": " + std::string(reason) + ".";
}

std::string SaveFailedText(const std::string& path, std::string_view reason)
{
    return "Unable to save " + path + ": " + std::string(reason) + ".";
}

std::string StatusReason(storage::Status status)
{
    switch (status) {
    case storage::Status::FileNotFound:
        return "the file or its folder does not exist";
    case storage::Status::AccessDenied:
        return "access was denied";
    case storage::Status::FileExists:
        return "a file of that name exists";
    case storage::Status::NotCompoundFile:
        return "the file is damaged or is not a form";
    case storage::Status::TooLarge:
        return "the file is too large";
    case storage::Status::WriteFault:
        return "the disk refused the file";
    case storage::Status::NameTooLong:
        return SystemErrorText(ENAMETOOLONG);
    case storage::Status::LinkLoop:
        return SystemErrorText(ELOOP);
    default:
        return "the file could not be used";
    }
}
