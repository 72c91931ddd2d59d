// Picking the stand-in face among the installed ones by what their names tell.

#include "font_fallback.h"

#include "model/platform.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool hasJapaneseGlyphs(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

// The pan-CJK faces list Japanese among their writing systems in every regional cut (HK, KR,
// SC, TC), whose glyph forms differ from the Japanese ones; only the name tells the Japanese
// cut. Sans-serif and proportional faces keep small bold captions readable.
int preference(const QString &family)
{
    const QStringList words = family.split(u' ', Qt::SkipEmptyParts);
    const bool japaneseCut = words.contains(u"JP"_s) || family.contains(u"Japanese"_s) ||
                             family.contains(u"Gothic"_s) || family.contains(u"ゴシック"_s);
    const bool serif =
        family.contains(u"Serif"_s) || family.contains(u"Mincho"_s) || family.contains(u"明朝"_s);
    const bool fixedPitch = family.contains(u"Mono"_s) || QFontDatabase::isFixedPitch(family);
    return (japaneseCut ? 4 : 0) + (serif ? 0 : 2) + (fixedPitch ? 0 : 1);
}

} // namespace

namespace {

QString chooseJapaneseFamily()
{
    QString desktop = QFontInfo(QApplication::font()).family();
    if (hasJapaneseGlyphs(desktop))
        return desktop;
    QString best;
    int bestPreference = -1;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Japanese)) {
        // "@" faces are for vertical writing.
        if (family.startsWith(u'@'))
            continue;
        if (const int score = preference(family); score > bestPreference) {
            best = family;
            bestPreference = score;
        }
    }
    return best;
}

} // namespace

QString japaneseFallbackFamily()
{
    // Every control with the "System" face asks, and the answer walks the installed families;
    // it changes only with the desktop's font.
    static QString chosenFor;
    static QString chosen;
    static bool known = false;
    const QString desktop = QApplication::font().family();
    if (!known || desktop != chosenFor) {
        chosen = chooseJapaneseFamily();
        chosenFor = desktop;
        known = true;
    }
    return chosen;
}

QString systemFontFamily()
{
    const QString standIn = japaneseFallbackFamily();
    return standIn.isEmpty() ? QApplication::font().family() : standIn;
}

QString shownFamily(const QString &modelFontName)
{
    const std::string_view system = sorba::systemFontName;
    if (modelFontName == QString::fromUtf8(system.data(), qsizetype(system.size())))
        return systemFontFamily();
    if (QFontDatabase::hasFamily(modelFontName))
        return modelFontName;
    return japaneseFallbackFamily();
}

void warnWhenNoJapaneseFace()
{
    static bool warned = false;
    if (warned || !japaneseFallbackFamily().isEmpty())
        return;
    warned = true;
    std::fputs("sorba: no installed font has Japanese glyphs, so Japanese captions show as boxes.\n"
               "Install one, for example the package " SORBA_JAPANESE_FONT_PACKAGE
               " (apt-get install " SORBA_JAPANESE_FONT_PACKAGE ").\n",
               stderr);
}
