// The splash window shown while the program starts: the splash picture
// (bitmap 2224), centred on the screen, the window sized to the picture.
#pragma once

#include <QDialog>
#include <QImage>

// The control that paints the splash picture.
class SPLASHBTN : public QWidget {
public:
    explicit SPLASHBTN(QWidget* parent = nullptr);
    // False when the picture is missing.
    bool LoadBitmap(uint32_t id);
    const QImage& GetBitmap() const { return picture; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture;
};

class SPLASH_DLG : public QDialog {
public:
    explicit SPLASH_DLG(QWidget* parent = nullptr);
    // Shows the window and paints it at once.
    void ShowNow();

private:
    SPLASHBTN* picture;
};
