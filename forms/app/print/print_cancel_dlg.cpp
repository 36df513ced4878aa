#include "forms/app/print/print_cancel_dlg.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PRINT_CANCEL_DLG::PRINT_CANCEL_DLG(
    const std::string& document, const std::string& printer, const std::string& port, QWidget* parent)
    : QDialog(parent)
{
    ui::App* app = ui::App::Current();
    setWindowTitle(text::ToQString(app ? app->AppName() : std::string()));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Printing"), this));
    layout->addWidget(new QLabel(text::ToQString(document), this));
    layout->addWidget(new QLabel(QStringLiteral("on the"), this));
    layout->addWidget(new QLabel(text::ToQString(printer), this));
    layout->addWidget(new QLabel(QString::fromStdString(port), this));
    pageLabel = new QLabel(this);
    layout->addWidget(pageLabel);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &PRINT_CANCEL_DLG::reject);
}

void PRINT_CANCEL_DLG::SetPage(int page)
{
    pageLabel->setText(QStringLiteral("Page %1").arg(page));
}

bool PRINT_CANCEL_DLG::PrintAbortProc()
{
    if (!cancelled)
        QApplication::processEvents();
    return !cancelled;
}

void PRINT_CANCEL_DLG::reject()
{
    cancelled = true;
    QDialog::reject();
}
