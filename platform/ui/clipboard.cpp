#include "platform/ui/clipboard.h"

#include "platform/text/cp1252.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

ClipboardHook& Hook()
{
    static ClipboardHook hook;
    return hook;
}

bool IsText(std::string_view name)
{
    return name == kFormatText;
}

// Text up to the first NUL.
std::string_view UpToNul(std::string_view bytes)
{
    auto nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

} // namespace

std::string MimeTypeOfFormat(std::string_view name)
{
    if (IsText(name))
        return "text/plain";
    return "application/x-qt-windows-mime;value=\"" + std::string(name) + "\"";
}

void DataSource::SetData(std::string_view name, std::string bytes)
{
    for (auto& [have, data] : formats_) {
        if (have == name) {
            data = std::move(bytes);
            return;
        }
    }
    formats_.emplace_back(std::string(name), std::move(bytes));
}

bool DataSource::Has(std::string_view name) const
{
    return Data(name) != nullptr;
}

const std::string* DataSource::Data(std::string_view name) const
{
    for (const auto& [have, data] : formats_) {
        if (have == name)
            return &data;
    }
    return nullptr;
}

QMimeData* DataSource::ToMimeData() const
{
    auto* mime = new QMimeData;
    for (const auto& [name, data] : formats_) {
        if (IsText(name))
            mime->setText(text::ToQString(UpToNul(data)));
        else
            mime->setData(
                QString::fromStdString(MimeTypeOfFormat(name)), QByteArray(data.data(), qsizetype(data.size())));
    }
    return mime;
}

DataObject DataObject::FromClipboard()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return {};
    return FromMimeData(QGuiApplication::clipboard()->mimeData());
}

DataObject DataObject::FromMimeData(const QMimeData* data)
{
    DataObject object;
    if (!data)
        return object;
    for (const QString& format : data->formats()) {
        QByteArray bytes = data->data(format);
        object.mime_.emplace_back(format.toStdString(), std::string(bytes.constData(), size_t(bytes.size())));
    }
    if (data->hasText()) {
        // Windows-1252 has no byte for some characters; they arrive as '?'.
        object.text_ = text::FromQString(data->text()) + '\0';
    }
    return object;
}

bool DataObject::IsAvailable(std::string_view name) const
{
    return GetData(name).has_value();
}

std::optional<std::string> DataObject::GetData(std::string_view name) const
{
    if (IsText(name))
        return text_;
    std::string mime = MimeTypeOfFormat(name);
    auto it = std::find_if(mime_.begin(), mime_.end(), [&](const auto& entry) { return entry.first == mime; });
    if (it == mime_.end())
        return std::nullopt;
    return it->second;
}

bool SetClipboard(const DataSource& source)
{
    if (Hook() && !Hook()(source))
        return false;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return false;
    QGuiApplication::clipboard()->setMimeData(source.ToMimeData());
    return true;
}

bool IsClipboardFormatAvailable(std::string_view name)
{
    return DataObject::FromClipboard().IsAvailable(name);
}

ClipboardHook SetClipboardHook(ClipboardHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

} // namespace ui
