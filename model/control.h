// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace quillomar {

// A control operation that cannot be carried out. The message names the
// run-time error and the element, e.g. "... 340 ... Option1(9) ...".
class ControlError : public std::runtime_error
{
public:
    ControlError(int number, const std::string &what);

    int number() const { return m_number; }

private:
    int m_number;
};

// Run-time error numbers, as the form runtime reports them.
constexpr int NoSuchElement = 340;
constexpr int InvalidPropertyIndex = 381;
constexpr int InvalidPropertyValue = 380;

// A control array seen as the source of its elements' events: one handler
// serves every element and receives the element's index.
class EventSource
{
public:
    using Handler = std::function<void(int index)>;

    explicit EventSource(std::string name) : m_name(std::move(name)) { }

    const std::string &name() const { return m_name; }

    // Replaces the handler; an empty one detaches it.
    void attach(Handler handler) { m_handler = std::move(handler); }
    const Handler &handler() const { return m_handler; }

    // Calls the handler synchronously; an event with no handler does nothing.
    void raise(int index) const
    {
        if (m_handler)
            m_handler(index);
    }

private:
    std::string m_name;
    Handler m_handler;
};

// One element of a control array, addressed as Name(index).
class Control
{
public:
    Control(const EventSource &array, int index) : m_array(&array), m_index(index) { }

    int index() const { return m_index; }
    // "List1(0)": how run-time errors name the element.
    std::string elementName() const;

protected:
    void raiseClick() const { m_array->raise(m_index); }

private:
    const EventSource *m_array;
    int m_index;
};

} // namespace quillomar
