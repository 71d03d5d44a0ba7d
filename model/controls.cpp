// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

namespace quillomar {

ListBox::ListBox(const EventSource &array, int index, std::vector<std::u16string> items)
    : Control(array, index), m_items(std::move(items))
{ }

const std::u16string &ListBox::list(int position) const
{
    if (position < 0 || position >= listCount())
        throw ControlError(InvalidPropertyIndex,
                           "невалиден индекс на свойство: " + elementName() + ".List("
                                   + std::to_string(position) + ")");
    return m_items[std::size_t(position)];
}

int ListBox::checkedPosition(int position, int lowest) const
{
    if (position < lowest || position >= listCount())
        throw ControlError(InvalidPropertyValue,
                           "невалидна стойност на свойство: " + elementName()
                                   + ".ListIndex = " + std::to_string(position));
    return position;
}

void ListBox::setListIndex(int position)
{
    if (checkedPosition(position, -1) == m_listIndex)
        return;
    m_listIndex = position;
    raiseClick();
}

void ListBox::click(int position)
{
    m_listIndex = checkedPosition(position, 0);
    raiseClick();
}

OptionButton::OptionButton(const EventSource &array, int index, OptionGroup &group,
                           std::u16string caption)
    : Control(array, index), m_group(&group), m_caption(std::move(caption))
{ }

void OptionButton::setValue(bool value)
{
    if (!value) {
        if (this->value())
            m_group->selected = -1;
        return;
    }
    m_group->selected = index();
    raiseClick();
}

} // namespace quillomar
