// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "control.h"

namespace quillomar {

// List box: an ordered, fixed sequence of items with at most one selected.
class ListBox : public Control
{
public:
    ListBox(const EventSource &array, int index, std::vector<std::u16string> items);

    int listCount() const { return int(m_items.size()); }
    // Throws ControlError 381 for a position outside 0..listCount()-1.
    const std::u16string &list(int position) const;

    // Position of the selected item, or -1.
    int listIndex() const { return m_listIndex; }
    // Moves the selection (-1 clears it) and raises Click when it changed;
    // a value outside -1..listCount()-1 throws ControlError 380.
    void setListIndex(int position);
    // The user picks an item: selected, and Click raised even if it already was.
    // There is no item -1 to pick.
    void click(int position);

private:
    // Throws ControlError 380 unless lowest <= position < listCount().
    int checkedPosition(int position, int lowest) const;

    std::vector<std::u16string> m_items;
    int m_listIndex = -1;
};

// Which button of an exclusive group is selected, shared by its buttons.
struct OptionGroup
{
    int selected = -1;
};

// Option button in an exclusive group: at most one of the group has Value true.
class OptionButton : public Control
{
public:
    OptionButton(const EventSource &array, int index, OptionGroup &group, std::u16string caption);

    const std::u16string &caption() const { return m_caption; }

    bool value() const { return m_group->selected == index(); }
    // True selects this button, clears the others and raises Click, also when
    // it was selected already. False only clears it and raises nothing.
    void setValue(bool value);

private:
    OptionGroup *m_group;
    std::u16string m_caption;
};

// Text box. Text comes back exactly as written, CR LF pairs included.
class TextBox : public Control
{
public:
    TextBox(const EventSource &array, int index, std::u16string text)
        : Control(array, index), m_text(std::move(text))
    { }

    const std::u16string &text() const { return m_text; }
    void setText(std::u16string text) { m_text = std::move(text); }

private:
    std::u16string m_text;
};

class Label : public Control
{
public:
    Label(const EventSource &array, int index, std::u16string caption)
        : Control(array, index), m_caption(std::move(caption))
    { }

    const std::u16string &caption() const { return m_caption; }

private:
    std::u16string m_caption;
};

// The frame stands alone, outside any control array.
class Frame
{
public:
    explicit Frame(std::u16string caption) : m_caption(std::move(caption)) { }

    const std::u16string &caption() const { return m_caption; }

private:
    std::u16string m_caption;
};

} // namespace quillomar
