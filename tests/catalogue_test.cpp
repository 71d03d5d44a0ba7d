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
    // Perrault sat in the French Academy, not the Academy of Sciences.
    EXPECT_NE(form.List1(2).list(8).find(u"Френската академия"), std::u16string::npos);
    EXPECT_EQ(form.List1(2).list(8).find(u"наук"), std::u16string::npos);
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
