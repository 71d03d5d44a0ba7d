// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <string>
#include <utility>

#include "control.h"

namespace quillomar {

// A control array: elements told apart by a zero-based index. Elements keep
// their address for the array's lifetime, so they may point back at it.
template<typename Element>
class ControlArray : public EventSource
{
public:
    using EventSource::EventSource;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    // Appends the element with the next index.
    template<typename... Args>
    Element &add(Args &&...args)
    {
        return m_elements.emplace_back(*this, int(m_elements.size()), std::forward<Args>(args)...);
    }

    int count() const { return int(m_elements.size()); }

    // Throws ControlError 340 when no element has this index.
    Element &operator()(int index) { return m_elements[checked(index)]; }
    const Element &operator()(int index) const { return m_elements[checked(index)]; }

private:
    std::size_t checked(int index) const
    {
        if (index < 0 || index >= count())
            throw ControlError(NoSuchElement,
                               "елементът " + name() + "(" + std::to_string(index)
                                       + ") на масива от контроли не съществува");
        return std::size_t(index);
    }

    std::deque<Element> m_elements;
};

} // namespace quillomar
