// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The window's layout table, read by every window and kept once: positions in
// twips, colours, the captions the catalogue does not hold, and the keyboard
// order. No toolkit here.
namespace quillomar::layout {

// A rectangle in twips, 1440 to the inch: 15 to a pixel at 96 dots per inch.
struct Twips
{
    int left, top, width, height;
};

constexpr int TwipsPerInch = 1440;
// Pixels of the design: at 96 dots per inch, as Qt's device-independent
// pixels and CSS pixels are.
constexpr int DesignDpi = 96;

// A length in twips as pixels at `dpi` dots per inch.
constexpr int toPixels(int twips, int dpi)
{
    return twips * dpi / TwipsPerInch;
}

// A length in design pixels as pixels at `dpi`, rounded to the nearest.
constexpr int scaled(int pixels, int dpi)
{
    return (pixels * dpi + DesignDpi / 2) / DesignDpi;
}

// A rectangle in pixels.
struct Pixels
{
    int left, top, width, height;
};

// Rectangle `rect` as pixels at `dpi`, moved by `origin` (also in twips).
constexpr Pixels toPixels(const Twips &rect, int dpi, const Twips &origin = {})
{
    return { toPixels(origin.left + rect.left, dpi), toPixels(origin.top + rect.top, dpi),
             toPixels(rect.width, dpi), toPixels(rect.height, dpi) };
}

constexpr Twips ClientArea { 0, 0, 8550, 5880 };
constexpr Twips OutputBox { 120, 3960, 8295, 2055 }; // runs 135 past the bottom; clipped
constexpr Twips Title { 960, 0, 6495, 375 };
constexpr Twips Frame { 120, 600, 3375, 3255 };
constexpr Twips TaleList { 3720, 900, 4695, 1485 };
constexpr Twips TaleHeading { 3720, 600, 4695, 300 };

// Author button a, relative to the frame's top left corner.
constexpr Twips authorButton(int a)
{
    return { 120, 300 + 300 * a, 3135, 300 };
}

// Inside an author button and the frame, in design pixels: the radio mark,
// the gap between it and the caption, how far the frame's caption stands in
// from the frame's left edge, and how high its strip is, as a group box's.
constexpr int RadioMark = 13;
constexpr int RadioGap = 4;
constexpr int FrameCaptionInset = 8;
constexpr int FrameCaptionHeight = 18;
// The height of a line of text, where a window sets it rather than taking
// its toolkit's (the page does, so that every browser engine agrees).
constexpr int LineHeight = 19;
// Where the window is narrower than its design (a phone held upright), the
// page stacks its controls and makes every row at least this tall: Apple's
// and Material's smallest touch target.
constexpr int TouchRow = 44;

struct Rgb
{
    std::uint8_t red, green, blue;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

constexpr Rgb WindowColour { 192, 192, 255 };
constexpr Rgb LabelColour { 255, 192, 128 };
constexpr Rgb FrameColour { 128, 64, 0 };
constexpr Rgb TaleListColour { 128, 255, 128 };
// Greens and cyans in turn, darker towards the bottom; by author index.
constexpr std::array<Rgb, 9> AuthorColours { { { 192, 255, 192 },
                                               { 192, 255, 255 },
                                               { 128, 255, 128 },
                                               { 128, 255, 255 },
                                               { 0, 255, 0 },
                                               { 0, 255, 255 },
                                               { 0, 192, 0 },
                                               { 0, 192, 192 },
                                               { 0, 128, 0 } } };

// Text on those backgrounds has a fixed colour too, whatever the theme, so
// that it keeps 4.5:1 against them: black, or white on the frame's brown and
// the darkest green. The output box keeps the system's colours for both.
constexpr Rgb Black { 0, 0, 0 };
constexpr Rgb White { 255, 255, 255 };
constexpr Rgb LabelTextColour = Black;
constexpr Rgb FrameTextColour = White;
constexpr Rgb TaleListTextColour = Black;
constexpr std::array<Rgb, 9> AuthorTextColours { { Black, Black, Black, Black, Black, Black, Black,
                                                   Black, White } };
// The line round the tale list and the output box, where the window draws it.
constexpr Rgb BorderColour { 128, 128, 128 };
// The chosen tale, in a window that does not take the system's pair for it.
constexpr Rgb SelectedTaleColour { 0, 0, 128 };
constexpr Rgb SelectedTaleTextColour = White;

// A web host name, three spaces, the program's name.
constexpr std::u16string_view Caption = u"www.prikazki.example   Quillomar";

// Times New Roman 12 pt, regular, with Cyrillic letters.
constexpr std::u16string_view FontFamily = u"Times New Roman";
constexpr int FontPoints = 12;

// What a screen reader calls the output box, which has no caption; and what
// it adds to the chosen tale's name, before the author's.
constexpr std::u16string_view OutputBoxName = u"Сведения за автора";
constexpr std::u16string_view TaleAuthorPrefix = u", автор: ";

// The focusable controls in keyboard order: their tab indices put three
// authors before the tale list and six after it. The author group is one Tab
// stop, the selected button (the first while none is); the others are
// reached with the arrow keys.
enum class Focusable { Output, Author, Tales };
struct Stop
{
    Focusable control;
    int index; // author index for Focusable::Author
};
constexpr std::array<Stop, 11> TabOrder { { { Focusable::Output, 0 },
                                            { Focusable::Author, 0 },
                                            { Focusable::Author, 1 },
                                            { Focusable::Author, 2 },
                                            { Focusable::Tales, 0 },
                                            { Focusable::Author, 3 },
                                            { Focusable::Author, 4 },
                                            { Focusable::Author, 5 },
                                            { Focusable::Author, 6 },
                                            { Focusable::Author, 7 },
                                            { Focusable::Author, 8 } } };

} // namespace quillomar::layout
