#pragma once
// Making a Qt application object gives the C library the user's locale.  In
// a locale with a decimal comma (de_DE, fr_FR ...) printf and strtod, and the
// libraries built on them such as the spreadsheet writer, would write and
// read "1,5", while data files, the engine's files, workbooks and the
// runner's summary use "1.5".  Programs call this right after making their
// application object; the window texts follow the user's language as before.
#include <clocale>

namespace murena::ui {

inline void keepDecimalPointInNumbers() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace murena::ui
