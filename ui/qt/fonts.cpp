// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QStringList>

#include "ui/layout.h"

namespace quillomar {

namespace {

bool hasCyrillic(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
}

// Whether a face says of itself that it is a proportional serif face, in its
// OS/2 table: the PANOSE classification, or where that is left open, the IBM
// font class. Fontconfig's own list of serif families is short (it lacks Noto
// Serif and PT Serif, for example), so the face's word is taken instead.
bool isSerif(const QFont &font)
{
    const QByteArray os2 = QRawFont::fromFont(font).fontTable("OS/2");
    if (os2.size() < 42)
        return false;
    const auto byte = [&os2](int offset) { return quint8(os2.at(offset)); };
    const int familyClass = byte(30), panoseKind = byte(32), serifStyle = byte(33),
              proportion = byte(35);
    // PANOSE for Latin text: serif styles 2 to 10 have serifs, 11 to 13 are
    // sans; proportion 9 is monospaced.
    if (panoseKind == 2)
        return serifStyle >= 2 && serifStyle <= 10 && proportion != 9;
    // IBM classes 1 to 7 are serif designs; 8 is sans serif.
    return panoseKind == 0 && familyClass >= 1 && familyClass <= 7;
}

} // namespace

QFont controlFont()
{
    QFont font(QString::fromUtf16(layout::FontFamily.data(), qsizetype(layout::FontFamily.size())));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(layout::FontPoints);
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

    // Times New Roman, or what fontconfig puts in its place (its metric twin
    // Liberation Serif where installed), if that is a serif with Cyrillic.
    const QString matched = QFontInfo(font).family();
    if (hasCyrillic(matched) && isSerif(font))
        return font;

    // Then any serif face with Cyrillic, fontconfig's choice for serif first.
    QStringList families = QFontDatabase::families(QFontDatabase::Cyrillic);
    families.prepend(QFontInfo(QFont(QStringLiteral("serif"))).family());
    for (const QString &family : std::as_const(families)) {
        if (hasCyrillic(family) && isSerif(QFont(family))) {
            font.setFamily(family);
            return font;
        }
    }

    // Then any face with Cyrillic, and say so.
    if (!hasCyrillic(matched)) {
        const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
        if (!cyrillic.isEmpty())
            font.setFamily(cyrillic.first());
    }
    static bool told = false;
    if (!told)
        qWarning(
                "quillomar: no Times New Roman or other serif font with Cyrillic letters; using %s",
                qPrintable(QFontInfo(font).family()));
    told = true;
    return font;
}

} // namespace quillomar
