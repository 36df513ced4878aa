#include "forms/app/program/recent_file_list.h"

#include "platform/settings/profile.h"

#include <algorithm>

namespace {

constexpr char kSection[] = "Recent File List";

std::string EntryName(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

void RecentFileList::Add(const std::string& path)
{
    if (path.empty() || m_size == 0)
        return;
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_size)
        m_files.resize(m_size);
}

void RecentFileList::Remove(std::size_t index)
{
    if (index < m_files.size())
        m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::ReadList(const settings::Profile& profile)
{
    m_files.clear();
    for (std::size_t i = 0; i < m_size; ++i) {
        std::string path = profile.GetString(kSection, EntryName(i));
        if (!path.empty() && std::ranges::find(m_files, path) == m_files.end())
            m_files.push_back(std::move(path));
    }
}

bool RecentFileList::WriteList(settings::Profile& profile) const
{
    bool written = true;
    for (std::size_t i = 0; i < m_size; ++i) {
        const std::string path = i < m_files.size() ? m_files[i] : std::string();
        written = profile.WriteString(kSection, EntryName(i), path) && written;
    }
    return written;
}
