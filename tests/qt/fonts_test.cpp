// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontInfo>
#include <QTest>

#include "ui/qt/fonts.h"

// The control font under the fontconfig configuration the test runs with
// (FONTCONFIG_FILE): it must be the face QUILLOMAR_EXPECTED_FONT names, chosen
// without a warning.
class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheSerifWithoutAWarning();
};

namespace {
QStringList warnings;
}

void FontsTest::choosesTheSerifWithoutAWarning()
{
    const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type != QtDebugMsg && type != QtInfoMsg)
                    warnings << message;
            });
    const QFont font = quillomar::controlFont();
    qInstallMessageHandler(previous);

    QCOMPARE(QFontInfo(font).family(), qEnvironmentVariable("QUILLOMAR_EXPECTED_FONT"));
    QCOMPARE(warnings, QStringList());
}

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
