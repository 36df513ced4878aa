// The messages the form document shows the user about its files: texts of
// the string table, and the reasons an open or a save failed.
#pragma once

#include "platform/storage/status.h"

#include <string>
#include <string_view>

// "An error occured trying to open this file. Error code " and the id.
constexpr int kOpenErrorMessage = 199;
// "File %s is already open or is read only.\n\nChoose another file?"
constexpr int kReadOnlyFileMessage = 105;
// "%s \nThis File Already Exists.\n\nReplace Existing File?"
constexpr int kReplaceFileMessage = 472;

std::string LoadDocumentString(int id);
// The text of string `id` with its "%s" replaced by `path`.
std::string DocumentStringWithPath(int id, const std::string& path);

// An exclamation box with OK over the program's caption.
void ShowDocumentMessage(std::string_view text);
// A Yes/No question; true for Yes.
bool AskDocumentQuestion(std::string_view text);

// "Unable to open <path>: <reason>."
std::string OpenFailedText(const std::string& path, std::string_view reason);
// "Unable to save <path>: <reason>."
std::string SaveFailedText(const std::string& path, std::string_view reason);
// Why a compound file could not be opened or written, for the user; what
// the system itself says where it refused the path's name.
std::string StatusReason(storage::Status status);
