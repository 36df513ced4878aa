#include "platform/res/resources.h"

#include "platform/res/missing_handler.h"
#include "platform/res/string_table.h"

#include <QDir>
#include <QFile>

namespace res {

Resources Resources::Load(const QString& folder)
{
    Resources resources;
    QFile file(QDir(folder).filePath(QStringLiteral("strings.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return resources;
    const QByteArray contents = file.readAll();
    const auto table
        = ParseStringTable(std::string_view(contents.constData(), contents.size()), file.fileName().toStdString());
    for (const auto& [id, text] : table)
        resources.Add(Kind::String, id, text);
    return resources;
}

void Resources::Add(Kind kind, std::uint32_t id, std::string data)
{
    data_[{kind, id}] = std::move(data);
}

const std::string* Resources::Find(Kind kind, std::uint32_t id) const
{
    const auto it = data_.find({kind, id});
    return it == data_.end() ? nullptr : &it->second;
}

std::string Resources::LoadString(std::uint32_t id) const
{
    if (const std::string* text = Find(Kind::String, id))
        return *text;
    ReportMissing(Kind::String, id);
    return "<" + std::to_string(id) + ">";
}

} // namespace res
