#pragma once
// The screen fonts 0 to 22 every window uses for its controls:
//   0-6   arial 8 to 14
//   7-13  trebuchet 8 to 14
//   14-20 trebuchet bold 8 to 14 (17 is the bold title font of the functional windows)
//   21    verdana 9 bold
//   22    calibri 10 bold
// Printing has its own fonts, so a print job never changes these.

#include <QFont>

inline constexpr int SCREEN_FONT_COUNT = 23;
inline constexpr int TITLE_FONT = 17;

QFont screenFont(int number);
