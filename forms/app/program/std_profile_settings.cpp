#include "forms/app/program/std_profile_settings.h"

#include "platform/settings/profile.h"

namespace {

constexpr char kSection[] = "Settings";
constexpr char kPreviewPages[] = "PreviewPages";

} // namespace

void StdProfileSettings::Load(const settings::Profile& profile)
{
    recentFiles.ReadList(profile);
    const int pages = profile.GetInt(kSection, kPreviewPages, 0);
    previewPages = pages >= 0 && pages <= 2 ? pages : 0;
}

bool StdProfileSettings::Save(settings::Profile& profile) const
{
    const bool listWritten = recentFiles.WriteList(profile);
    return profile.WriteInt(kSection, kPreviewPages, previewPages) && listWritten;
}
