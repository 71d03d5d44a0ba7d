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
    return chooseAuthor((from + step % count + count) % count);
}

Outcome ChoiceRunner::pressListKey(ListKey key, int pageRows)
{
    const int last = m_form.List1(0).listCount() - 1;
    const int page = std::max(pageRows - 1, 1);
    int p = 0;
    if (key == ListKey::End)
        p = last;
    else if (m_cursor >= 0) {
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
            p = m_cursor + page;
            break;
        case ListKey::Home:
            p = 0;
            break;
        case ListKey::End:
        case ListKey::Space:
            p = m_cursor;
            break;
        }
    }
    p = std::clamp(p, 0, std::max(last, 0));
    if (last < 0 || p == m_view.tale)
        return Outcome::Unchanged;
    return chooseTale(p);
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
        const int p = (std::max(m_cursor, -1) + i) % count;
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
