// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The selection handlers and the author report: member operations of Form.

#include "model/form.h"

namespace quillomar {

namespace {

constexpr std::u16string_view CrLf = u"\r\n";

// Numeric value of an author-index item: its leading decimal digits, so that
// "3" and an option button's index 3 compare equal as numbers.
int numericValue(std::u16string_view text)
{
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9' || value > 9999)
            break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

void Form::Option1_Click(int Index)
{
    // The echo of List1_Click selecting the tale's author: nothing to do.
    if (ClickGuard == GuardTale)
        return;
    ClickGuard = GuardAuthor;
    List1(0).setListIndex(-1);
    AuthorIndex = std::int16_t(Index);
    ShowAuthorInfo();
}

void Form::List1_Click(int /*Index: only List1(0) is visible*/)
{
    // The echo of Option1_Click clearing the tale selection: nothing to do.
    if (ClickGuard == GuardAuthor)
        return;
    ClickGuard = GuardTale;
    TaleIndex = std::int16_t(List1(0).listIndex());
    // Reached without a selected tale, there is no author to show.
    if (TaleIndex < 0) {
        ClickGuard = GuardIdle;
        return;
    }
    AuthorIndex = std::int16_t(numericValue(List1(1).list(TaleIndex)));
    Option1(AuthorIndex).setValue(true);
    ShowAuthorInfo();
    ClickGuard = GuardIdle;
}

void Form::ShowAuthorInfo()
{
    const int n = List1(0).listCount();
    // Composed once and written once: no one can see the box between lines.
    std::u16string report = u"Избран автор: ";
    report += Option1(AuthorIndex).caption();
    report += CrLf;
    report += List1(2).list(AuthorIndex);
    report += CrLf;
    report += u"Приказки от същия автор: ";
    report += CrLf;
    for (int p = 0; p < n; ++p) {
        if (numericValue(List1(1).list(p)) == AuthorIndex) {
            report += List1(0).list(p);
            report += CrLf;
        }
    }
    Text1(0).setText(std::move(report));
    ClickGuard = GuardIdle;
}

} // namespace quillomar
