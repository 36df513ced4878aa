// The framework's own settings in the profile: the recent file list of four
// files and, in the section "Settings", how many pages print preview shows.
#pragma once

#include "forms/app/program/recent_file_list.h"

namespace settings {
class Profile;
}

class StdProfileSettings {
public:
    static constexpr std::size_t kRecentFiles = 4;

    RecentFileList recentFiles {kRecentFiles};
    // 1 or 2 pages side by side; 0 lets the preview choose.
    int previewPages = 0;

    // A damaged or out-of-range page count reads as 0.
    void Load(const settings::Profile& profile);
    // False when any entry could not be written.
    bool Save(settings::Profile& profile) const;
};
