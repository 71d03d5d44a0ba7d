// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include <vector>

namespace quillomar {

namespace {

std::vector<std::u16string> toStrings(std::span<const std::u16string_view> views)
{
    return { views.begin(), views.end() };
}

} // namespace

Form::Form(const Catalogue &catalogue) : Frame1(std::u16string(catalogue.frameCaption))
{
    std::vector<std::u16string> titles, authorIndices;
    titles.reserve(catalogue.tales.size());
    authorIndices.reserve(catalogue.tales.size());
    for (const Tale &tale : catalogue.tales) {
        titles.emplace_back(tale.title);
        authorIndices.emplace_back(tale.authorIndex);
    }
    List1.add(std::move(titles));
    List1.add(std::move(authorIndices));
    List1.add(toStrings(catalogue.biographies));

    for (std::u16string_view caption : catalogue.authors)
        Option1.add(m_authorGroup, std::u16string(caption));

    Text1.add(std::u16string(catalogue.introduction));
    Text1.add(std::u16string(catalogue.quotation));
    Label1.add(std::u16string(catalogue.title));
    Label1.add(std::u16string(catalogue.taleHeading));

    List1.attach([this](int index) { List1_Click(index); });
    Option1.attach([this](int index) { Option1_Click(index); });
}

void Form::UserSelectsTale(int p)
{
    List1(0).click(p);
}

void Form::UserSelectsAuthor(int a)
{
    Option1(a).setValue(true);
}

} // namespace quillomar
