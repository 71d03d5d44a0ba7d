// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include "model/form.h"
#include "test_support.h"

namespace quillomar {
namespace {

using test::crlfLines;

TEST(CatalogueTest, TaleCountsPerAuthor)
{
    const Form form;
    std::array<int, 9> counts {};
    for (int p = 0; p < form.List1(1).listCount(); ++p) {
        const std::u16string &item = form.List1(1).list(p);
        ASSERT_EQ(item.size(), 1u) << "position " << p;
        ASSERT_TRUE(item[0] >= u'0' && item[0] <= u'8') << "position " << p;
        ++counts[item[0] - u'0'];
    }
    EXPECT_EQ(counts, (std::array<int, 9> { 4, 7, 4, 12, 6, 3, 1, 6, 5 }));
}

TEST(CatalogueTest, ListsAreParallelAndComplete)
{
    const Form form;
    EXPECT_EQ(form.List1.count(), 3);
    EXPECT_EQ(form.List1(0).listCount(), 48);
    EXPECT_EQ(form.List1(1).listCount(), 48);
    EXPECT_EQ(form.List1(2).listCount(), 9);
    EXPECT_EQ(form.Option1.count(), 9);
    EXPECT_EQ(form.List1(0).list(33), u"Приключенията на Пинокио");
    EXPECT_EQ(form.List1(1).list(33), u"6");
    EXPECT_EQ(form.List1(0).list(0), u"Безценното камъче");
    EXPECT_EQ(form.List1(0).list(47), u"Юначното петле");
    EXPECT_EQ(form.List1(1).list(47), u"1");
    EXPECT_EQ(form.Option1(8).caption(), u"Шарл Перо");
}

TEST(CatalogueTest, TrailingSpacesAreKept)
{
    const Form form;
    EXPECT_EQ(form.List1(0).list(19).size(), 22u); // "Майстор на майсторите "
    std::vector<int> spaced;
    for (int p = 0; p < form.List1(0).listCount(); ++p) {
        if (form.List1(0).list(p).ends_with(u' '))
            spaced.push_back(p);
    }
    EXPECT_EQ(spaced, (std::vector<int> { 19, 27, 28, 29, 37 }));
    for (int a = 0; a < 9; ++a)
        EXPECT_EQ(form.Option1(a).caption().ends_with(u' '), a == 3) << "author " << a;
}

// Bulgarian alphabetical order: Cyrillic code points already follow it,
// once capitals are folded to small letters.
std::u16string folded(std::u16string s)
{
    for (char16_t &c : s) {
        if (c >= u'А' && c <= u'Я')
            c += u'а' - u'А';
    }
    return s;
}

TEST(CatalogueTest, AuthorsAndTitlesAreInAlphabeticalOrder)
{
    const Form form;
    std::vector<std::u16string> titles, authors;
    for (int p = 0; p < form.List1(0).listCount(); ++p)
        titles.push_back(folded(form.List1(0).list(p)));
    for (int a = 0; a < form.Option1.count(); ++a)
        authors.push_back(folded(form.Option1(a).caption()));
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end()));
    EXPECT_TRUE(std::is_sorted(authors.begin(), authors.end()));
}

TEST(CatalogueTest, BiographiesAreSingleLinesOfProse)
{
    const Form form;
    for (int a = 0; a < 9; ++a) {
        SCOPED_TRACE(a);
        const std::u16string &bio = form.List1(2).list(a);
        EXPECT_GT(bio.size(), 100u);
        EXPECT_EQ(bio.find_first_of(u"\r\n"), std::u16string::npos);
    }
}

// What each biography must say, or must no longer say. The authorities are
// named beside each line.
TEST(CatalogueTest, BiographiesStateTheFacts)
{
    const Form form;
    const struct
    {
        int author;
        std::u16string_view text;
        bool said;
    } facts[] = {
        // Every biography opens with the author's name; Pushkin's second
        // sentence has its verb.
        { 0, u"Той е руски писател", true },
        { 4, u"Вилхелм Хауф е ", true },
        // Karaliychev died in 1972: IBBY's 1974 honour diploma, and his entry
        // in its roll of honour, came after his death (IBBY Honour List 1974).
        { 1, u"удостоен посмъртно", true },
        { 1, u"почетния списък на съвета", true },
        // Jacob Grimm alone was a member of the Frankfurt pre-parliament and
        // the National Assembly of 1848.
        { 3, u"През 1848 г. Якоб участва", true },
        { 3, u"участват", false },
        // Hauff's tales as the tale list writes them.
        { 4, u"„Халифът щърк“", true },
        { 4, u"„Студеното сърце“", true },
        // Pinocchio came out in instalments in a children's weekly, itself a
        // daily's supplement (Collodi, "Storia di un burattino", 7 July 1881).
        { 6, u"Псевдонимът му Колоди", true },
        { 6, u"на части от 7 юли 1881 г. в детския седмичник „Giornale per i bambini“", true },
        // Perrault sat in the French Academy (1671), not the Academy of
        // Sciences, and wrote long before he left Colbert's service in 1683.
        { 8, u"Още през 1671 г. е избран за член на Френската академия", true },
        { 8, u"наук", false },
        { 8, u"след смъртта на Колбер, напуска кралската служба", true },
        { 8, u"едва през 1683", false },
    };
    for (const auto &fact : facts) {
        SCOPED_TRACE(testing::Message()
                     << "author " << fact.author << ", fact " << (&fact - facts));
        EXPECT_EQ(form.List1(2).list(fact.author).find(fact.text) != std::u16string::npos,
                  fact.said);
    }
    // As every Bulgarian edition of her books writes her name ("Пипи Дългото
    // чорапче", "Карлсон, който живее на покрива"), and as her biography does.
    EXPECT_EQ(form.Option1(2).caption(), u"Астрид Линдгрен");
    EXPECT_TRUE(form.List1(2).list(2).find(u"Линдгрен") != std::u16string::npos);
}

TEST(CatalogueTest, FixedTextsAreLoaded)
{
    const Form form;
    EXPECT_EQ(form.Label1(0).caption(), u"Quillomar");
    EXPECT_EQ(form.Label1(1).caption(), u"Приказка");
    EXPECT_EQ(form.Frame1.caption(), u"Име на автор");

    const auto intro = crlfLines(form.Text1(0).text());
    ASSERT_EQ(intro.size(), 6u);
    EXPECT_EQ(intro[1], u"Тема на проекта: Quillomar.");
    EXPECT_EQ(intro[4], u"Имената във всяка група да са подредени по азбучен ред.");

    EXPECT_EQ(crlfLines(form.Text1(1).text()),
              (std::vector<std::u16string> {
                      u"Неприятното в това да си първият, направил нещо по ",
                      u"правилния начин, е, че никой не оценява колко трудно е ", u"било. " }));
}

} // namespace
} // namespace quillomar
