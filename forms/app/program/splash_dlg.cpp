#include "forms/app/program/splash_dlg.h"

#include "forms/res/program_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr uint32_t kSplashBitmap = 2224;
constexpr char kPictureControl[] = "ctl_1424";

} // namespace

SPLASHBTN::SPLASHBTN(QWidget* parent)
    : QWidget(parent)
{}

bool SPLASHBTN::LoadBitmap(uint32_t id)
{
    picture = ProgramPicture(res::Kind::Bitmap, id);
    return !picture.isNull();
}

void SPLASHBTN::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), picture);
}

SPLASH_DLG::SPLASH_DLG(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setModal(false);
    picture = new SPLASHBTN(this);
    picture->setObjectName(kPictureControl);
    picture->LoadBitmap(kSplashBitmap);
    const QSize size = picture->GetBitmap().size();
    picture->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SPLASH_DLG::ShowNow()
{
    show();
    repaint();
}
