// Which installed families are fixed-pitch, as fontconfig records it: read
// from its cache without opening a single font file.
#pragma once

#include <QSet>
#include <QString>

namespace gdi {

// The families, in lower case, whose faces fontconfig lists as monospaced
// or character-cell; asked of fontconfig once in a process.
QSet<QString> FixedPitchFamilies();

} // namespace gdi
