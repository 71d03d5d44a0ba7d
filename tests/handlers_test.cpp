// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <random>

#include <gtest/gtest.h>

#include "model/form.h"
#include "test_support.h"

namespace quillomar {
namespace {

using test::crlfLines;
using test::selectedAuthor;
using Lines = std::vector<std::u16string>;

std::u16string biography(int a)
{
    return std::u16string(builtInCatalogue().biographies[std::size_t(a)]);
}

TEST(ShowAuthorInfoTest, ReportsLineByLine)
{
    const struct
    {
        int author;
        Lines lines;
    } cases[] = {
        { 0,
          { u"Избран автор: Александър Пушкин", biography(0), u"Приказки от същия автор: ",
            u"Приказка за златното петле ", u"Приказка за мъртвата царкиня и за седемте юнаци ",
            u"Приказка за рибаря и златната рибка ",
            u"Приказка за цар Салтан, за неговия син ..." } },
        { 3,
          { u"Избран автор: Братя Грим ", biography(3), u"Приказки от същия автор: ",
            u"Белоснежка и Червенорозка", u"Бременските градски музиканти", u"Жабокът-цар",
            u"Железният Ханс", u"Златната гъска", u"Кристалната топка", u"Лисицата и котката",
            u"Обущарят и джуджетата", u"Снежанка", u"Хензел и Гретел", u"Храбрият млад шивач",
            u"Цар Дроздобрад" } },
        { 6,
          { u"Избран автор: Карло Колоди", biography(6), u"Приказки от същия автор: ",
            u"Приключенията на Пинокио" } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.author);
        Form form;
        form.UserSelectsAuthor(c.author);
        EXPECT_EQ(crlfLines(form.Text1(0).text()), c.lines);
    }
}

TEST(Option1ClickTest, SecondChoiceReplacesTheReport)
{
    Form form;
    form.UserSelectsAuthor(6);
    const std::u16string first = form.Text1(0).text();
    form.UserSelectsAuthor(6);
    EXPECT_EQ(form.Text1(0).text(), first);
    form.UserSelectsAuthor(2);
    EXPECT_EQ(crlfLines(form.Text1(0).text()).front(), u"Избран автор: Астрид Линдгрен");
    EXPECT_EQ(crlfLines(form.Text1(0).text()).size(), 3u + 4u);
}

TEST(List1ClickTest, TaleSelectsItsAuthorAndStaysSelected)
{
    Form byTale, byAuthor;
    byTale.UserSelectsTale(33);
    byAuthor.UserSelectsAuthor(6);
    EXPECT_EQ(byTale.List1(0).listIndex(), 33);
    EXPECT_EQ(selectedAuthor(byTale), 6);
    EXPECT_EQ(byTale.Text1(0).text(), byAuthor.Text1(0).text());
    EXPECT_EQ(byTale.clickGuard(), GuardIdle);
}

TEST(List1ClickTest, TaleAuthorTaleMovesTheSelections)
{
    Form form;
    form.UserSelectsTale(19);
    EXPECT_EQ(selectedAuthor(form), 1);
    form.UserSelectsAuthor(1); // the selected author again still clears the tale
    EXPECT_EQ(form.List1(0).listIndex(), -1);
    EXPECT_EQ(selectedAuthor(form), 1);
    form.UserSelectsTale(4);
    EXPECT_EQ(form.List1(0).listIndex(), 4);
    EXPECT_EQ(selectedAuthor(form), 7);
    form.UserSelectsTale(21); // same author: group unchanged, report rewritten
    EXPECT_EQ(selectedAuthor(form), 7);
    EXPECT_EQ(crlfLines(form.Text1(0).text()).front(), u"Избран автор: Ханс Кристиан Андерсен");
}

// Records every event with the guard seen on arrival, then lets the form's
// own handler run.
struct EventLog
{
    explicit EventLog(Form &form)
    {
        wrap(form, form.List1, 'L');
        wrap(form, form.Option1, 'O');
    }
    template<typename Array>
    void wrap(Form &form, Array &array, char kind)
    {
        array.attach([&form, this, kind, inner = array.handler()](int index) {
            entries.push_back({ kind, index, form.clickGuard() });
            inner(index);
        });
    }
    struct Entry
    {
        char kind;
        int index;
        int guard;
        bool operator==(const Entry &) const = default;
    };
    std::vector<Entry> entries;
};

TEST(EchoTest, EchoesAreRaisedAndIgnored)
{
    Form form;
    EventLog log(form);

    form.UserSelectsTale(33);
    using E = EventLog::Entry;
    // The echo Option1_Click(6) arrives while the tale handler runs ...
    EXPECT_EQ(log.entries, (std::vector<E> { { 'L', 0, GuardIdle }, { 'O', 6, GuardTale } }));
    // ... and is ignored: otherwise it would have cleared the tale.
    EXPECT_EQ(form.List1(0).listIndex(), 33);

    log.entries.clear();
    form.UserSelectsAuthor(2);
    EXPECT_EQ(log.entries, (std::vector<E> { { 'O', 2, GuardIdle }, { 'L', 0, GuardAuthor } }));
    EXPECT_EQ(crlfLines(form.Text1(0).text()).front(), u"Избран автор: Астрид Линдгрен");

    // With no tale selected, clearing the list raises no echo.
    log.entries.clear();
    form.UserSelectsAuthor(4);
    EXPECT_EQ(log.entries, (std::vector<E> { { 'O', 4, GuardIdle } }));
}

TEST(List1ClickTest, ClickWithoutSelectedTaleChangesNothing)
{
    Form form;
    const std::u16string intro = form.Text1(0).text();
    form.List1.raise(0);
    EXPECT_EQ(form.Text1(0).text(), intro);
    EXPECT_EQ(selectedAuthor(form), -1);
    EXPECT_EQ(form.clickGuard(), GuardIdle);

    form.UserSelectsAuthor(5);
    const std::u16string report = form.Text1(0).text();
    form.List1.raise(0);
    EXPECT_EQ(form.Text1(0).text(), report);
    EXPECT_EQ(selectedAuthor(form), 5);
}

TEST(FormTest, StartsWithIntroductionAndNothingSelected)
{
    const Form form;
    EXPECT_EQ(crlfLines(form.Text1(0).text()).front(),
              u"Да се реализира проект, представящ междупредметни връзки БЕЛ и Информатика.");
    EXPECT_EQ(selectedAuthor(form), -1);
    EXPECT_EQ(form.List1(0).listIndex(), -1);
    EXPECT_EQ(form.clickGuard(), GuardIdle);
}

// The author of each tale by position, as the design's table has it, typed
// here rather than read from the catalogue's text as the handler reads it.
constexpr int TaleAuthors[48]
        = { 1, 3, 2, 3, 7, 5, 4, 4, 2, 3, 3, 3, 2, 4, 8, 3, 3, 1, 8, 1, 8, 7, 7, 4,
            3, 7, 2, 0, 0, 0, 0, 5, 5, 6, 1, 8, 3, 7, 8, 4, 1, 1, 4, 3, 3, 7, 3, 1 };

// The report for author a, built here from the catalogue's texts and that table.
std::u16string expectedReport(int a)
{
    const Catalogue &c = builtInCatalogue();
    std::u16string text = u"Избран автор: " + std::u16string(c.authors[std::size_t(a)]) + u"\r\n"
            + std::u16string(c.biographies[std::size_t(a)]) + u"\r\nПриказки от същия автор: \r\n";
    for (std::size_t p = 0; p < std::size(TaleAuthors); ++p) {
        if (TaleAuthors[p] == a)
            text += std::u16string(c.tales[p].title) + u"\r\n";
    }
    return text;
}

TEST(RandomUserTest, ThousandsOfActionsKeepTheStateRight)
{
    const unsigned seed = test::randomSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    const Catalogue &c = builtInCatalogue();

    Form form;
    int author = -1, tale = -1;
    for (int step = 0; step < 5000; ++step) {
        const int dice = int(rng() % 10);
        if (dice < 2 && author >= 0) {
            // The same choice again: the selected tale, or else the selected author.
            if (tale >= 0 && dice == 0) {
                form.UserSelectsTale(tale);
            } else {
                form.UserSelectsAuthor(author);
                tale = -1;
            }
        } else if (dice % 2 == 0) {
            tale = int(rng() % std::size(TaleAuthors));
            author = TaleAuthors[tale];
            form.UserSelectsTale(tale);
        } else {
            author = int(rng() % c.authors.size());
            tale = -1;
            form.UserSelectsAuthor(author);
        }
        ASSERT_EQ(form.Text1(0).text(), expectedReport(author)) << "step " << step;
        ASSERT_EQ(selectedAuthor(form), author) << "step " << step;
        ASSERT_EQ(form.List1(0).listIndex(), tale) << "step " << step;
        ASSERT_EQ(form.clickGuard(), GuardIdle) << "step " << step;
    }
}

} // namespace
} // namespace quillomar
