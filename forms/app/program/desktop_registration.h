// Registering the program with the Linux desktop: a desktop entry that opens
// form files with it and the MIME types of form files (".qwm") and form
// templates (".qwl"), both kept in the user's data folder.
#pragma once

#include <filesystem>
#include <string>

// The MIME types, named after the document type "QuirewellDesign.Document".
inline constexpr char kFormMimeType[] = "application/x-quirewelldesign.document";
inline constexpr char kTemplateMimeType[] = "application/x-quirewelldesign.template";

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; empty
// when neither can be worked out.
std::filesystem::path UserDataFolder();

// The name of the program's icon in the user's icon theme folder.
inline constexpr char kDesktopIconName[] = "forms";

// The desktop entry "forms.desktop" that starts `program` with one file,
// shown with the program's icon.
std::string DesktopEntryText(const std::filesystem::path& program);

// The shared-mime-info package "forms.xml" of the two file types.
std::string MimePackageText();

struct RegistrationResult {
    bool ok = false;
    std::string error; // what failed, when something did
};

// Writes the program's icon <data>/icons/hicolor/scalable/apps/forms.svg,
// <data>/applications/forms.desktop and <data>/mime/packages/forms.xml
// (each replaced whole or not at all) and then rebuilds the user's MIME
// database with update-mime-database when that tool is installed.
// `program` is the absolute path of the program to start.
RegistrationResult RegisterDesktop(const std::filesystem::path& program);
