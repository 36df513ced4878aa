// The format bar's rotation box (183): angles in tenths of a degree shown as
// whole degrees, "%.0f°", always reduced into 0 to 359.9 degrees.
#pragma once

#include <QComboBox>
#include <QString>

#include <cstdint>

// Empties the box and lists 0, 45, ..., 315 degrees.
void FillRotationCombo(QComboBox& combo);
// A number of degrees (a trailing "°" or other text after the number is
// ignored) in tenths, rounded; 0 for a text without a number.
int RotationFromText(const QString& text);
// The angle reduced into 0..3599 tenths: 3700 is 100, -450 is 3150.
uint16_t ReduceRotation(int tenths);
QString RotationText(uint16_t tenths);
// Shows the reduced angle (adding its entry when missing) and selects it;
// answers the reduced angle.
uint16_t ShowRotation(QComboBox& combo, int tenths);
// The selected entry's angle, or the typed one when the edit field holds a
// text of its own; the box then shows it reduced. Answers the reduced angle.
uint16_t ReadRotationCombo(QComboBox& combo);
