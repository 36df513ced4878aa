#include "platform/res/resources.h"

#include "platform/res/errors.h"
#include "platform/res/missing_handler.h"
#include "platform/res/string_table.h"

#include <QDir>
#include <QFile>

namespace res {

namespace {

void LoadDialogs(Resources& resources, const QString& folder)
{
    const QDir dir(QDir(folder).filePath(QStringLiteral("dialogs")));
    const QStringList names = dir.entryList({QStringLiteral("*.dlg")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        const std::string source = file.fileName().toStdString();
        if (!file.open(QIODevice::ReadOnly))
            throw FormatError(source, 0, "the file cannot be read");
        const QByteArray contents = file.readAll();
        DialogTemplate dialog = ParseDialogTemplate(std::string_view(contents.constData(), contents.size()), source);
        if (name != QString::number(dialog.id) + QStringLiteral(".dlg"))
            throw FormatError(source, 1, "the file is not named by the dialog's id");
        resources.AddDialog(std::move(dialog));
    }
}

} // namespace

Resources Resources::Load(const QString& folder)
{
    Resources resources;
    QFile file(QDir(folder).filePath(QStringLiteral("strings.txt")));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray contents = file.readAll();
        const auto table
            = ParseStringTable(std::string_view(contents.constData(), contents.size()), file.fileName().toStdString());
        for (const auto& [id, text] : table)
            resources.Add(Kind::String, id, text);
    }
    LoadDialogs(resources, folder);
    return resources;
}

void Resources::AddDialog(DialogTemplate dialog)
{
    const std::uint32_t id = dialog.id;
    dialogs_[id] = std::move(dialog);
}

const DialogTemplate* Resources::FindDialog(std::uint32_t id) const
{
    const auto it = dialogs_.find(id);
    return it == dialogs_.end() ? nullptr : &it->second;
}

const DialogTemplate& Resources::LoadDialog(std::uint32_t id) const
{
    if (const DialogTemplate* dialog = FindDialog(id))
        return *dialog;
    ReportMissing(Kind::Dialog, id);
    // Stand-ins live as long as the program, one per id asked for.
    static std::map<std::uint32_t, DialogTemplate> standIns;
    DialogTemplate& standIn = standIns[id];
    standIn.id = static_cast<std::uint16_t>(id);
    standIn.width = 100;
    standIn.height = 40;
    return standIn;
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
