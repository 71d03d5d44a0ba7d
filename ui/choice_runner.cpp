// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choice_runner.h"

#include <algorithm>

namespace quillomar {

ChoiceRunner::ChoiceRunner(const Catalogue &catalogue) : m_form(catalogue), m_view(viewOf(m_form))
{ }

template<typename Action>
Outcome ChoiceRunner::run(Action action)
{
    if (ended())
        return Outcome::Unchanged;
    try {
        action();
    } catch (const ControlError &error) {
        m_errorNumber = error.number();
        m_errorMessage = error.what();
        return Outcome::Ended;
    }
    m_view = viewOf(m_form);
    if (m_view.tale >= 0)
        m_cursor = m_view.tale;
    return Outcome::Changed;
}

Outcome ChoiceRunner::chooseAuthor(int a)
{
    return run([this, a] { m_form.UserSelectsAuthor(a); });
}

Outcome ChoiceRunner::chooseTale(int p)
{
    return run([this, p] { m_form.UserSelectsTale(p); });
}

Outcome ChoiceRunner::stepAuthor(int from, int step)
{
    const int count = m_form.Option1.count();
    if ((step != 1 && step != -1) || from < 0 || from >= count)
        return Outcome::Unchanged;
    return chooseAuthor((from + step + count) % count);
}

Outcome ChoiceRunner::pressListKey(ListKey key, int pageRows)
{
    const int last = m_form.List1(0).listCount() - 1;
    if (last < 0)
        return Outcome::Unchanged;
    // A page moves on by one title less than it shows, and never past the list.
    const int page = std::clamp(pageRows > 1 ? pageRows - 1 : 1, 1, std::max(last, 1));
    // Without a cursor (-1), every key but End lands on the first title.
    int p = 0;
    switch (key) {
    case ListKey::Up:
        p = m_cursor - 1;
        break;
    case ListKey::Down:
        p = m_cursor + 1;
        break;
    case ListKey::PageUp:
        p = m_cursor - page;
        break;
    case ListKey::PageDown:
        p = m_cursor < 0 ? 0 : m_cursor + page;
        break;
    case ListKey::Home:
        p = 0;
        break;
    case ListKey::End:
        p = last;
        break;
    case ListKey::Space:
        p = m_cursor;
        break;
    default: // a number that names no key
        return Outcome::Unchanged;
    }
    p = std::clamp(p, 0, last);
    return p == m_view.tale ? Outcome::Unchanged : chooseTale(p);
}

namespace {

// Lower case for the Latin and Cyrillic capitals, the letters titles begin with.
char16_t folded(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я'))
        return char16_t(c + 0x20);
    if (c >= u'Ѐ' && c <= u'Џ')
        return char16_t(c + 0x50);
    return c;
}

} // namespace

Outcome ChoiceRunner::typeInList(char16_t letter)
{
    const ListBox &titles = m_form.List1(0);
    const int count = titles.listCount();
    for (int i = 1; i <= count; ++i) {
        const int p = (m_cursor + i) % count;
        const std::u16string_view title = titles.list(p);
        if (!title.empty() && folded(title.front()) == folded(letter))
            return p == m_view.tale ? Outcome::Unchanged : chooseTale(p);
    }
    return Outcome::Unchanged;
}

std::u16string ChoiceRunner::chosenTaleName() const
{
    return quillomar::chosenTaleName(m_form, m_view);
}

} // namespace quillomar
