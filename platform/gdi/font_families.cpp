#include "platform/gdi/font_families.h"

#include "platform/gdi/font_face.h"
#include "platform/gdi/font_spacing.h"
#include "platform/gdi/types.h"
#include "platform/text/cp1252.h"

#include <QFontDatabase>
#include <utility>

namespace gdi {

namespace {

// Windows faces and the metric-compatible faces installed in their place.
const std::pair<const char*, const char*> kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},
};

// The pitch comes from fontconfig's record of the family: asking Qt would
// open a font file of every family listed.
FontFamily Describe(const QString& family, const std::string& name, const QSet<QString>& fixedPitch)
{
    const bool symbol = QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
    // A family that more than one foundry makes is listed "Name [Foundry]".
    const QString plain = family.left(family.indexOf(QLatin1String(" [")));
    return {name, FamilyPitchAndFamily(plain, fixedPitch.contains(plain.toLower())),
        symbol ? SYMBOL_CHARSET : ANSI_CHARSET, TRUETYPE_FONTTYPE};
}

} // namespace

std::vector<FontFamily> EnumInstalledFontFamilies(std::string_view face)
{
    std::vector<FontFamily> result;
    const QSet<QString> fixedPitch = FixedPitchFamilies();
    for (const auto& [windows, installed] : kStandIns) {
        // Names first: asking whether a face is installed costs a lookup.
        if (!face.empty() && !text::EqualNoCase(face, windows))
            continue;
        const QString target = QString::fromLatin1(installed);
        if (QFontDatabase::hasFamily(target))
            result.push_back(Describe(target, windows, fixedPitch));
    }
    if (!face.empty() && !result.empty())
        return result;
    for (const QString& family : QFontDatabase::families()) {
        const std::string name = text::FromQString(family);
        if (face.empty() || text::EqualNoCase(face, name))
            result.push_back(Describe(family, name, fixedPitch));
    }
    return result;
}

} // namespace gdi
