#include "forms/app/frames/resource_blocks.h"

#include "platform/res/errors.h"
#include "platform/text/cp1252.h"

#include <QFile>
#include <QString>

namespace {

class LineReader {
public:
    LineReader(std::string_view text, const std::string& source)
        : text_(text)
        , source_(source)
    {}

    // The next line that is neither empty nor a comment; false at the end.
    bool Next(std::string_view& line)
    {
        while (start_ < text_.size()) {
            size_t end = text_.find('\n', start_);
            if (end == std::string_view::npos)
                end = text_.size();
            line = text_.substr(start_, end - start_);
            start_ = end + 1;
            ++number_;
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            if (!line.empty() && line.front() != '#')
                return true;
        }
        return false;
    }

    [[noreturn]] void Fail(const std::string& what) const { throw res::FormatError(source_, number_, what); }

    unsigned Id(std::string_view digits) const
    {
        if (digits.empty() || digits.size() > 5)
            Fail("an id must be a number from 1 to 65535");
        unsigned id = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                Fail("an id must be a number from 1 to 65535");
            id = id * 10 + static_cast<unsigned>(c - '0');
        }
        if (id == 0 || id > 65535)
            Fail("an id must be a number from 1 to 65535");
        return id;
    }

    std::string Text(std::string_view utf8) const
    {
        std::string unescaped;
        for (size_t i = 0; i < utf8.size(); ++i) {
            if (utf8[i] == '\\' && i + 1 < utf8.size() && utf8[i + 1] == 't') {
                unescaped += '\t';
                ++i;
            } else {
                unescaped += utf8[i];
            }
        }
        const QString decoded = QString::fromUtf8(unescaped.data(), static_cast<qsizetype>(unescaped.size()));
        const std::string converted = text::FromQString(decoded, '\0');
        if (converted.empty() || converted.find('\0') != std::string::npos)
            Fail("a text must be there and have a Windows-1252 form");
        return converted;
    }

private:
    std::string_view text_;
    const std::string& source_;
    size_t start_ = 0;
    int number_ = 0;
};

// Reads entries up to the "END" that closes them.
std::vector<ResourceEntry> ReadEntries(LineReader& reader, bool popups)
{
    std::vector<ResourceEntry> entries;
    std::string_view line;
    while (reader.Next(line)) {
        if (line == "END")
            return entries;
        if (line == "SEPARATOR") {
            entries.push_back({});
            continue;
        }
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            reader.Fail("an entry needs a tab between its id and its text");
        ResourceEntry entry;
        if (line.substr(0, tab) == "POPUP") {
            if (!popups)
                reader.Fail("only menus have popups");
            entry.kind = ResourceEntry::Kind::Popup;
            entry.text = reader.Text(line.substr(tab + 1));
            entry.items = ReadEntries(reader, popups);
        } else {
            entry.kind = ResourceEntry::Kind::Command;
            entry.id = reader.Id(line.substr(0, tab));
            entry.text = reader.Text(line.substr(tab + 1));
        }
        entries.push_back(std::move(entry));
    }
    reader.Fail("a block has no END");
}

} // namespace

std::vector<ResourceBlock> ParseResourceBlocks(
    std::string_view utf8, std::string_view kind, bool popups, const std::string& source)
{
    LineReader reader(utf8, source);
    std::vector<ResourceBlock> blocks;
    std::string_view line;
    while (reader.Next(line)) {
        if (!line.starts_with(kind) || line.size() <= kind.size() || line[kind.size()] != ' ')
            reader.Fail("a block must open with " + std::string(kind) + " and its id");
        ResourceBlock block;
        block.id = reader.Id(line.substr(kind.size() + 1));
        for (const ResourceBlock& earlier : blocks)
            if (earlier.id == block.id)
                reader.Fail("the block id is already taken");
        block.entries = ReadEntries(reader, popups);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

ResourceBlock LoadResourceBlock(const char* file, std::string_view kind, bool popups, res::Kind resKind, unsigned id)
{
    QFile resource(QStringLiteral(":/forms/res/") + QString::fromUtf8(file));
    if (resource.open(QIODevice::ReadOnly)) {
        const QByteArray contents = resource.readAll();
        for (ResourceBlock& block : ParseResourceBlocks(std::string_view(contents.constData(), contents.size()), kind,
                 popups, resource.fileName().toStdString()))
            if (block.id == id)
                return std::move(block);
    }
    throw res::MissingResource(resKind, id);
}
