// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control.h"

namespace quillomar {

ControlError::ControlError(int number, const std::string &what)
    : std::runtime_error("Грешка по време на изпълнение " + std::to_string(number) + ": " + what),
      m_number(number)
{ }

std::string Control::elementName() const
{
    return m_array->name() + "(" + std::to_string(m_index) + ")";
}

} // namespace quillomar
