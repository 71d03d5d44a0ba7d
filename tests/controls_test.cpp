// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "model/form.h"

namespace quillomar {
namespace {

// Asserts that the call fails with the given run-time error naming `element`.
template<typename F>
void expectRunTimeError(F &&call, int number, const std::string &element)
{
    try {
        call();
        ADD_FAILURE() << "no run-time error for " << element;
    } catch (const ControlError &e) {
        EXPECT_EQ(e.number(), number);
        const std::string what = e.what();
        EXPECT_NE(what.find(std::to_string(number)), std::string::npos) << what;
        EXPECT_NE(what.find(element), std::string::npos) << what;
    }
}

TEST(ControlsTest, OutOfRangeOperationsNameTheRunTimeError)
{
    Form form;
    expectRunTimeError([&] { form.Option1(9); }, NoSuchElement, "Option1(9)");
    expectRunTimeError([&] { form.List1(-1); }, NoSuchElement, "List1(-1)");
    expectRunTimeError([&] { form.Text1(2); }, NoSuchElement, "Text1(2)");
    expectRunTimeError([&] { form.List1(1).list(48); }, InvalidPropertyIndex, "List1(1).List(48)");
    expectRunTimeError([&] { form.List1(0).setListIndex(48); }, InvalidPropertyValue, "List1(0)");
    expectRunTimeError([&] { form.UserSelectsAuthor(9); }, NoSuchElement, "Option1(9)");
    expectRunTimeError([&] { form.UserSelectsTale(-1); }, InvalidPropertyValue, "List1(0)");
    // A failed operation changes nothing.
    EXPECT_EQ(form.List1(0).listIndex(), -1);
    EXPECT_EQ(form.clickGuard(), GuardIdle);
}

TEST(ControlsTest, OptionValueTrueRaisesClickEvenWhenAlreadySelected)
{
    OptionGroup group;
    ControlArray<OptionButton> buttons("Option1");
    buttons.add(group, u"a");
    buttons.add(group, u"b");
    std::vector<int> raised;
    buttons.attach([&](int index) {
        // Raised after the group has changed, before the write returns.
        EXPECT_TRUE(buttons(index).value());
        raised.push_back(index);
    });

    buttons(1).setValue(true);
    buttons(1).setValue(true);
    buttons(0).setValue(true);
    EXPECT_EQ(raised, (std::vector<int> { 1, 1, 0 }));
    EXPECT_TRUE(buttons(0).value());
    EXPECT_FALSE(buttons(1).value());

    buttons(0).setValue(false);
    EXPECT_FALSE(buttons(0).value());
    EXPECT_EQ(raised.size(), 3u);
}

TEST(ControlsTest, ClearingListIndexRaisesClickOnlyWhenSomethingWasSelected)
{
    ControlArray<ListBox> lists("List1");
    lists.add(std::vector<std::u16string> { u"x", u"y" });
    int raised = 0;
    lists.attach([&](int) { ++raised; });

    lists(0).setListIndex(-1);
    EXPECT_EQ(raised, 0);
    lists(0).click(1);
    lists(0).click(1); // the user choosing the same item again
    EXPECT_EQ(raised, 2);
    lists(0).setListIndex(-1);
    EXPECT_EQ(raised, 3);
    EXPECT_EQ(lists(0).listIndex(), -1);
}

TEST(ControlsTest, EventsWithoutHandlerDoNothing)
{
    OptionGroup group;
    ControlArray<OptionButton> buttons("Option1");
    buttons.add(group, u"a");
    buttons(0).setValue(true);
    EXPECT_TRUE(buttons(0).value());

    ControlArray<ListBox> lists("List1");
    lists.add(std::vector<std::u16string> { u"x" });
    lists(0).click(0);
    EXPECT_EQ(lists(0).listIndex(), 0);
}

TEST(ControlsTest, TextComesBackExactlyAsWritten)
{
    Form form;
    const std::u16string text = u"Майстор на майсторите \r\n\r\nб \r\n";
    form.Text1(0).setText(text);
    EXPECT_EQ(form.Text1(0).text(), text);
    // A shorter text replaces it whole: nothing of the longer one is left.
    form.Text1(0).setText(u"б\r\n");
    EXPECT_EQ(form.Text1(0).text(), u"б\r\n");
}

} // namespace
} // namespace quillomar
