// The list of recently opened files, newest first, kept in the profile
// section "Recent File List" as "File1", "File2", ...
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace settings {
class Profile;
}

class RecentFileList {
public:
    explicit RecentFileList(std::size_t size)
        : m_size(size)
    {}

    std::size_t GetSize() const { return m_size; }
    const std::vector<std::string>& Files() const { return m_files; }

    // Puts `path` first; an earlier entry of the same path moves up, and the
    // oldest entry falls off a full list. An empty path is not kept.
    void Add(const std::string& path);
    // Takes out the entry at `index` when there is one.
    void Remove(std::size_t index);

    // Reads the entries in order up to the list's size; empty and repeated
    // entries are skipped.
    void ReadList(const settings::Profile& profile);
    // Writes every slot of the list, empty ones as empty texts, so that a
    // shorter list leaves no stale entry behind. False when a write failed.
    bool WriteList(settings::Profile& profile) const;

private:
    std::size_t m_size;
    std::vector<std::string> m_files;
};
