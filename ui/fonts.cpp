#include "fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace quillomar {

namespace {

// Times New Roman, or where it is missing what fontconfig maps it to: its
// metric-compatible stand-in Liberation Serif, or another serif with Cyrillic.
// Only the first is asked for: every further family costs a fontconfig search
// at start-up.
const QStringList SerifFamilies = { QStringLiteral("Times New Roman"),
                                    QStringLiteral("Liberation Serif"),
                                    QStringLiteral("DejaVu Serif") };

} // namespace

QFont controlFont()
{
    QFont font;
    font.setFamily(SerifFamilies.first());
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    // Snapped to whole pixels, as on the desktop this layout was drawn for:
    // crisper stems, and each glyph is rendered once instead of once for
    // every subpixel position it lands on.
    font.setHintingPreference(QFont::PreferFullHinting);
    // Cyrillic and Latin need no shaping: without it Qt maps characters to
    // glyphs directly instead of running HarfBuzz over every text it lays
    // out. All it gives up is the font's kerning.
    font.setStyleStrategy(QFont::PreferNoShaping);

    QString family = QFontInfo(font).family();
    if (SerifFamilies.contains(family))
        return font;
    // None of them is installed: keep what fontconfig offers for serif, or
    // failing Cyrillic there, any face that has it.
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic)) {
        const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
        if (!cyrillic.isEmpty())
            font.setFamilies({ cyrillic.first() });
        family = QFontInfo(font).family();
    }
    static bool told = false;
    if (!told)
        qWarning("quillomar: no Times New Roman or other serif font with Cyrillic letters; using %s",
                 qPrintable(family));
    told = true;
    return font;
}

} // namespace quillomar
