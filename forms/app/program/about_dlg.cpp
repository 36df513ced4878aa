#include "forms/app/program/about_dlg.h"

#include "forms/res/program_icons.h"
#include "forms/res/program_pictures.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr uint32_t kSecondIcon = 328;
constexpr char kVersion[] = "version 1.0";

QLabel* IconLabel(uint32_t id, const QImage& picture, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("icon_%1").arg(id));
    label->setPixmap(QPixmap::fromImage(picture));
    return label;
}

} // namespace

ABOUT_DLG::ABOUT_DLG(QWidget* parent)
    : QDialog(parent)
{
    ui::App* app = ui::App::Current();
    const std::string name = app ? app->AppName() : std::string();
    setWindowTitle(text::ToQString("About " + name));
    auto* row = new QHBoxLayout(this);
    row->addWidget(IconLabel(kProgramIconId, ProgramIcon(kProgramIconId), this));
    auto* line = new QLabel(text::ToQString(name + " " + kVersion), this);
    line->setObjectName(QStringLiteral("product"));
    row->addWidget(line, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    row->addWidget(buttons);
    row->addWidget(IconLabel(kSecondIcon, ProgramPicture(res::Kind::Icon, kSecondIcon), this));
}
