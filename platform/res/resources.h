// The resources of one program or library, keyed by (kind, id), read from
// its resource folder (a folder on disk or in Qt's resource system).
#pragma once

#include "platform/res/dialog_template.h"
#include "platform/res/kind.h"

#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace res {

class Resources {
public:
    // Reads the folder's "strings.txt" (see string_table.h) and the dialog
    // definitions "dialogs/<id>.dlg" (see dialog_template.h); a folder
    // without them has none. Throws FormatError for a file that does not
    // read, naming the file and line.
    static Resources Load(const QString& folder);

    void Add(Kind kind, std::uint32_t id, std::string data);

    // The resource's data (Windows-1252 text for strings), or nullptr.
    const std::string* Find(Kind kind, std::uint32_t id) const;

    // The text of a string id. An id the table lacks is a fault of the
    // program: the missing-resource handler is told (tests make it throw),
    // and otherwise the answer is a stand-in naming the id.
    std::string LoadString(std::uint32_t id) const;

    void AddDialog(DialogTemplate dialog);
    // The definition of a dialog or page, or nullptr.
    const DialogTemplate* FindDialog(std::uint32_t id) const;
    // As FindDialog; an id without a definition is a fault of the program:
    // the missing-resource handler is told, and the answer is an empty
    // dialog of that id.
    const DialogTemplate& LoadDialog(std::uint32_t id) const;

private:
    std::map<std::pair<Kind, std::uint32_t>, std::string> data_;
    std::map<std::uint32_t, DialogTemplate> dialogs_;
};

} // namespace res
