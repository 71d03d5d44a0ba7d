// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/choice_runner.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

namespace quillomar {

void PrintTo(Outcome outcome, std::ostream *out)
{
    *out << (outcome == Outcome::Unchanged         ? "Unchanged"
                     : outcome == Outcome::Changed ? "Changed"
                                                   : "Ended");
}

namespace {

using test::selectedAuthor;

constexpr int Tales = 48;
constexpr int PageRows = 5; // a page moves four titles on

TEST(ChoiceRunnerTest, FocusAloneGivesNoCursorAndTheFirstKeyChoosesTheFirstTitle)
{
    // Down would otherwise skip the first title; End goes to the last.
    const struct
    {
        ListKey key;
        int tale;
    } firsts[] = { { ListKey::Down, 0 },       { ListKey::Space, 0 },  { ListKey::Up, 0 },
                   { ListKey::PageDown, 0 },   { ListKey::PageUp, 0 }, { ListKey::Home, 0 },
                   { ListKey::End, Tales - 1 } };
    for (const auto &first : firsts) {
        SCOPED_TRACE(int(first.key));
        ChoiceRunner runner;
        EXPECT_EQ(runner.taleCursor(), -1);
        EXPECT_EQ(runner.pressListKey(first.key, PageRows), Outcome::Changed);
        EXPECT_EQ(runner.form().List1(0).listIndex(), first.tale);
        EXPECT_EQ(runner.view(), viewOf(runner.form()));
        EXPECT_EQ(runner.taleCursor(), first.tale);
    }
}

TEST(ChoiceRunnerTest, ListKeysMoveFromTheLastChosenTaleAndStopAtTheEnds)
{
    ChoiceRunner runner;
    runner.chooseTale(10);
    const struct
    {
        ListKey key;
        int tale;
    } steps[] = { { ListKey::Down, 11 },
                  { ListKey::Up, 10 },
                  { ListKey::PageDown, 14 },
                  { ListKey::PageUp, 10 },
                  { ListKey::PageUp, 6 },
                  { ListKey::PageUp, 2 },
                  { ListKey::PageUp, 0 },
                  { ListKey::End, Tales - 1 },
                  { ListKey::PageUp, Tales - 5 },
                  { ListKey::PageDown, Tales - 1 },
                  { ListKey::Home, 0 } };
    for (const auto &step : steps) {
        SCOPED_TRACE(int(step.key));
        EXPECT_EQ(runner.pressListKey(step.key, PageRows), Outcome::Changed);
        EXPECT_EQ(runner.form().List1(0).listIndex(), step.tale);
    }
    // At an end, or on the chosen tale, a key chooses nothing and writes no report.
    for (ListKey key : { ListKey::Up, ListKey::Home, ListKey::PageUp, ListKey::Space }) {
        SCOPED_TRACE(int(key));
        EXPECT_EQ(runner.pressListKey(key, PageRows), Outcome::Unchanged);
    }
}

TEST(ChoiceRunnerTest, AnAuthorChoiceClearsTheTaleButNotTheCursor)
{
    ChoiceRunner runner;
    runner.chooseTale(20);
    runner.chooseAuthor(2);
    EXPECT_EQ(runner.view().tale, -1);
    EXPECT_EQ(runner.taleCursor(), 20);
    // Space chooses the title under the cursor again, Down the next one.
    EXPECT_EQ(runner.pressListKey(ListKey::Space, PageRows), Outcome::Changed);
    EXPECT_EQ(runner.view().tale, 20);
    runner.chooseAuthor(2);
    EXPECT_EQ(runner.pressListKey(ListKey::Down, PageRows), Outcome::Changed);
    EXPECT_EQ(runner.view().tale, 21);
}

TEST(ChoiceRunnerTest, TypedLetterChoosesTheNextTitleBeginningWithItRoundTheList)
{
    // Titles beginning with "Х" are 42 to 45; with "б" 0 to 3.
    ChoiceRunner runner;
    const struct
    {
        char16_t letter;
        Outcome outcome;
        int tale;
    } typed[] = { { u'х', Outcome::Changed, 42 },  { u'Х', Outcome::Changed, 43 },
                  { u'х', Outcome::Changed, 44 },  { u'х', Outcome::Changed, 45 },
                  { u'х', Outcome::Changed, 42 },  { u'Б', Outcome::Changed, 0 },
                  { u'щ', Outcome::Unchanged, 0 }, { u'q', Outcome::Unchanged, 0 } };
    for (const auto &t : typed) {
        SCOPED_TRACE(int(t.letter));
        EXPECT_EQ(runner.typeInList(t.letter), t.outcome);
        EXPECT_EQ(runner.view().tale, t.tale);
    }
    // Alone of its letter, the chosen title stays chosen.
    runner.chooseTale(47);
    EXPECT_EQ(runner.typeInList(u'ю'), Outcome::Unchanged);
}

TEST(ChoiceRunnerTest, RepeatedClicksCountAgain)
{
    // The window writes the report again and shows it from its top.
    ChoiceRunner runner;
    EXPECT_EQ(runner.chooseTale(5), Outcome::Changed);
    EXPECT_EQ(runner.chooseTale(5), Outcome::Changed);
    EXPECT_EQ(runner.chooseAuthor(runner.view().author), Outcome::Changed);
    EXPECT_EQ(runner.chooseAuthor(runner.view().author), Outcome::Changed);
    EXPECT_EQ(runner.view().tale, -1);
}

TEST(ChoiceRunnerTest, ArrowsStepRoundTheAuthorGroup)
{
    ChoiceRunner runner;
    const struct
    {
        int from, step, to;
    } steps[] = { { 0, 1, 1 }, { 7, 1, 8 }, { 8, 1, 0 }, { 0, -1, 8 }, { 5, -1, 4 } };
    for (const auto &step : steps) {
        SCOPED_TRACE(std::to_string(step.from) + " by " + std::to_string(step.step));
        EXPECT_EQ(runner.stepAuthor(step.from, step.step), Outcome::Changed);
        EXPECT_EQ(runner.view().author, step.to);
        EXPECT_EQ(selectedAuthor(runner.form()), step.to);
    }
}

// What the page's exports may pass, whatever number: a key or step that
// means nothing chooses nothing, and no size of page overflows (the
// sanitizer build runs this under UndefinedBehaviorSanitizer).
TEST(ChoiceRunnerTest, NumbersFromOutsideChooseOnlyWhatTheyMean)
{
    constexpr int Huge = std::numeric_limits<int>::max(), Least = std::numeric_limits<int>::min();
    ChoiceRunner runner;
    runner.chooseTale(10);
    const View chosen = runner.view();
    for (const int key : { 7, -1, 99, Huge, Least }) {
        SCOPED_TRACE(key);
        EXPECT_EQ(runner.pressListKey(ListKey(key), PageRows), Outcome::Unchanged);
    }
    for (const auto &[from, step] : { std::pair { 0, 2 },
                                      { 0, 0 },
                                      { 0, Least },
                                      { 3, Huge },
                                      { Huge, 1 },
                                      { Least, -1 },
                                      { 9, 1 },
                                      { -1, 1 } }) {
        SCOPED_TRACE(std::to_string(from) + " by " + std::to_string(step));
        EXPECT_EQ(runner.stepAuthor(from, step), Outcome::Unchanged);
    }
    EXPECT_EQ(runner.view(), chosen);

    // A page of any size moves at most to the ends, and at least one title.
    EXPECT_EQ(runner.pressListKey(ListKey::PageDown, Huge), Outcome::Changed);
    EXPECT_EQ(runner.view().tale, Tales - 1);
    EXPECT_EQ(runner.pressListKey(ListKey::PageUp, Huge), Outcome::Changed);
    EXPECT_EQ(runner.view().tale, 0);
    for (const int rows : { 0, -5, Least }) {
        SCOPED_TRACE(rows);
        EXPECT_EQ(runner.pressListKey(ListKey::PageDown, rows), Outcome::Changed);
    }
    EXPECT_EQ(runner.view().tale, 3);
}

TEST(ChoiceRunnerTest, ChosenTaleNameCarriesItsAuthorWithoutPadding)
{
    ChoiceRunner runner;
    EXPECT_EQ(runner.chosenTaleName(), u"");
    runner.chooseAuthor(3);
    EXPECT_EQ(runner.chosenTaleName(), u"");
    // A title that ends in a space, and one by the author whose name does.
    runner.chooseTale(19);
    EXPECT_EQ(runner.chosenTaleName(), u"Майстор на майсторите, автор: Ангел Каралийчев");
    runner.chooseTale(1);
    EXPECT_EQ(runner.chosenTaleName(), u"Белоснежка и Червенорозка, автор: Братя Грим");
}

TEST(ChoiceRunnerTest, ARunTimeErrorEndsEveryChoiceAfterIt)
{
    ChoiceRunner runner(test::brokenCatalogue());
    runner.chooseAuthor(4);
    const View before = runner.view();

    EXPECT_EQ(runner.chooseTale(0), Outcome::Ended);
    EXPECT_TRUE(runner.ended());
    EXPECT_EQ(runner.errorNumber(), NoSuchElement);
    EXPECT_NE(runner.errorMessage().find("Option1(9)"), std::string::npos) << runner.errorMessage();
    // The window shows what it showed; nothing reaches the form any more.
    EXPECT_EQ(runner.view(), before);
    EXPECT_EQ(runner.chooseAuthor(1), Outcome::Unchanged);
    EXPECT_EQ(runner.chooseTale(3), Outcome::Unchanged);
    EXPECT_EQ(runner.stepAuthor(1, 1), Outcome::Unchanged);
    EXPECT_EQ(runner.pressListKey(ListKey::Down, PageRows), Outcome::Unchanged);
    EXPECT_EQ(selectedAuthor(runner.form()), 4);
}

} // namespace
} // namespace quillomar
