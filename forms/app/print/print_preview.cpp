#include "forms/app/print/print_preview.h"

#include "forms/app/views/fbaseview.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewDpi = 60;

} // namespace

PrintPreview::PrintPreview(FBASEVIEW& view, QWidget* parent)
    : QDialog(parent)
    , view(view)
{
    setWindowTitle(QStringLiteral("Print Preview"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    prev = new QPushButton(QStringLiteral("Prev Page"), this);
    next = new QPushButton(QStringLiteral("Next Page"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    buttons->addWidget(prev);
    buttons->addWidget(next);
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addLayout(buttons);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < view.PreviewPageCount(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("page_%1").arg(i));
        row->addWidget(label);
        pages.push_back(label);
    }
    layout->addLayout(row);
    connect(prev, &QPushButton::clicked, this, [this] { ShowFrom(first - 1); });
    connect(next, &QPushButton::clicked, this, [this] { ShowFrom(first + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    ShowFrom(1);
}

QImage PrintPreview::RenderPage(FBASEVIEW& view, int page, int dpi)
{
    const int16_t width = view.GetPageWidth();
    const int16_t height = view.GetPageHeight();
    gdi::ImageSurface surface(std::max(1, gdi::MulDiv(width, dpi, 1440)), std::max(1, gdi::MulDiv(height, dpi, 1440)),
        dpi, gdi::DeviceKind::Preview);
    gdi::DC dc(surface);
    view.OnPrint(dc, page);
    return surface.Image().copy();
}

int PrintPreview::GetPagesShown() const
{
    const int count = view.GetPageCount();
    return std::min(static_cast<int>(pages.size()), count - first + 1);
}

void PrintPreview::ShowFrom(int page)
{
    const int count = view.GetPageCount();
    first = std::max(1, std::min(page, count - static_cast<int>(pages.size()) + 1));
    for (size_t i = 0; i < pages.size(); ++i) {
        const int shown = first + static_cast<int>(i);
        if (shown <= count)
            pages[i]->setPixmap(QPixmap::fromImage(RenderPage(view, shown, kPreviewDpi)));
        else
            pages[i]->clear();
    }
    prev->setEnabled(first > 1);
    next->setEnabled(first + static_cast<int>(pages.size()) <= count);
}
