#include "platform/gdi/font_spacing.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace gdi {

namespace {

QSet<QString> AskFontconfig()
{
    QSet<QString> fixed;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> wanted(
        FcObjectSetBuild(FC_FAMILY, FC_SPACING, nullptr), FcObjectSetDestroy);
    if (!pattern || !wanted)
        return fixed;
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), wanted.get()), FcFontSetDestroy);
    if (!fonts)
        return fixed;
    for (int i = 0; i < fonts->nfont; ++i) {
        int spacing = FC_PROPORTIONAL;
        if (FcPatternGetInteger(fonts->fonts[i], FC_SPACING, 0, &spacing) != FcResultMatch || spacing < FC_MONO)
            continue;
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
            fixed.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)).toLower());
    }
    return fixed;
}

} // namespace

QSet<QString> FixedPitchFamilies()
{
    // Asked once, as the font database lists the installed families once.
    static const QSet<QString> fixed = AskFontconfig();
    return fixed;
}

} // namespace gdi
