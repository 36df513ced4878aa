// The About box: the program's icon, its name and version, an OK button
// and a second icon.
#pragma once

#include <QDialog>

class ABOUT_DLG : public QDialog {
public:
    explicit ABOUT_DLG(QWidget* parent = nullptr);
};
