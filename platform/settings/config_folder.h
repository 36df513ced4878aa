// Where the program's settings live: the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), with one folder per organisation.
#pragma once

#include <filesystem>

namespace settings {

// The organisation whose folder holds the program's settings and win.ini.
inline constexpr char kOrganisation[] = "Hollarby";

// The user's configuration folder, looked up afresh on each call.
std::filesystem::path ConfigFolder();

// ConfigFolder()/"Hollarby": the program's profile files and win.ini.
std::filesystem::path OrganisationFolder();

} // namespace settings
