// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The second floor: the program's window with the same stock Qt widgets at
// their places, with their font and text, and nothing of the program's own:
// no colours, no drawing, no names for screen readers, no form object. It
// ends after its first frame, as the program does.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "first_frame.h"
#include "model/catalogue.h"
#include "ui/layout.h"

namespace {

using namespace quillomar;

QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

template<typename Widget>
Widget *place(Widget *widget, const layout::Twips &rect)
{
    const layout::Pixels box = layout::toPixels(rect, layout::DesignDpi);
    widget->setGeometry(box.left, box.top, box.width, box.height);
    return widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font(text(layout::FontFamily), layout::FontPoints);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
    const Catalogue &catalogue = builtInCatalogue();

    QWidget window;
    const layout::Pixels size = layout::toPixels(layout::ClientArea, layout::DesignDpi);
    window.setFixedSize(size.width, size.height);
    QString introduction = text(catalogue.introduction);
    place(new QPlainTextEdit(introduction.replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                             &window),
          layout::OutputBox);
    place(new QLabel(text(catalogue.title), &window), layout::Title);
    auto *frame = place(new QGroupBox(text(catalogue.frameCaption), &window), layout::Frame);
    for (std::size_t a = 0; a < catalogue.authors.size(); ++a)
        place(new QRadioButton(text(catalogue.authors[a]), frame), layout::authorButton(int(a)));
    place(new QLabel(text(catalogue.taleHeading), &window), layout::TaleHeading);
    auto *tales = place(new QListWidget(&window), layout::TaleList);
    for (const Tale &tale : catalogue.tales)
        tales->addItem(text(tale.title));
    window.show();
    quitAfterFirstFrame(window);
    return app.exec();
}
