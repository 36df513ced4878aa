// The resources of one program or library, keyed by (kind, id), read from
// its resource folder (a folder on disk or in Qt's resource system).
#pragma once

#include "platform/res/kind.h"

#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace res {

class Resources {
public:
    // Reads the folder's "strings.txt" (see string_table.h); a folder
    // without one has no strings. Throws FormatError for a table that does
    // not read, naming the file and line.
    static Resources Load(const QString& folder);

    void Add(Kind kind, std::uint32_t id, std::string data);

    // The resource's data (Windows-1252 text for strings), or nullptr.
    const std::string* Find(Kind kind, std::uint32_t id) const;

    // The text of a string id. An id the table lacks is a fault of the
    // program: the missing-resource handler is told (tests make it throw),
    // and otherwise the answer is a stand-in naming the id.
    std::string LoadString(std::uint32_t id) const;

private:
    std::map<std::pair<Kind, std::uint32_t>, std::string> data_;
};

} // namespace res
