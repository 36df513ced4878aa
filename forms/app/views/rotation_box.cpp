#include "forms/app/views/rotation_box.h"

#include <QRegularExpression>

#include <cmath>

void FillRotationCombo(QComboBox& combo)
{
    combo.clear();
    for (int degrees = 0; degrees < 360; degrees += 45)
        combo.addItem(RotationText(static_cast<uint16_t>(degrees * 10)));
}

int RotationFromText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([-+\x{2212}]?\d*(?:\.\d*)?))"));
    QString leading = number.match(text).captured(1);
    leading.replace(QChar(0x2212), u'-');
    bool ok = false;
    const double degrees = leading.toDouble(&ok);
    if (!ok || !std::isfinite(degrees) || std::fabs(degrees) > 1e6)
        return 0;
    return static_cast<int>(std::lround(degrees * 10));
}

uint16_t ReduceRotation(int tenths)
{
    return static_cast<uint16_t>(((tenths % 3600) + 3600) % 3600);
}

QString RotationText(uint16_t tenths)
{
    return QString::number(tenths / 10.0, 'f', 0) + QChar(0xB0);
}

uint16_t ShowRotation(QComboBox& combo, int tenths)
{
    const uint16_t reduced = ReduceRotation(tenths);
    const QString text = RotationText(reduced);
    int at = combo.findText(text, Qt::MatchFixedString);
    if (at < 0) {
        combo.addItem(text);
        at = combo.count() - 1;
    }
    combo.setCurrentIndex(at);
    combo.setEditText(text);
    return reduced;
}

uint16_t ReadRotationCombo(QComboBox& combo)
{
    const int index = combo.currentIndex();
    const bool selected = index >= 0 && (!combo.isEditable() || combo.currentText() == combo.itemText(index));
    return ShowRotation(combo, RotationFromText(selected ? combo.itemText(index) : combo.currentText()));
}
