#pragma once
// Locale-independent conversions between texts and numbers, as the forms and the result
// lists use them. The process locale (set by GTK from the desktop) never changes a result.

#include <string>
#include <string_view>

namespace platform {

// Reads a decimal number: leading blanks and tabs skipped, optional sign, digits with an
// optional decimal point (a point only: a comma ends the number) and an optional exponent.
// Reading stops at the first character that does not belong to the number; a text that does
// not start with a number gives 0. A number beyond the float range reads as the largest float
// with its sign; one too small for a float reads as 0.
float textToFloat(std::string_view text);

// Whether the whole text is one number as textToFloat reads it, with blanks or tabs at most
// around it: "1.5" and " -2e3 " are, "1,5", "5 kW", "." and "" are not.
bool isWholeNumber(std::string_view text);

// Reads an integer: leading blanks and tabs skipped, optional sign, decimal digits. Stops at
// the first other character; no digits give 0; values beyond the int range are clamped.
int textToInt(std::string_view text);

// Writes value in fixed-point notation with exactly `decimals` decimals, rounded; no exponent,
// no thousands separator. A value that rounds to zero is written without a sign ("0.0").
// Any count of decimals is written out in full; a negative count counts as 0.
std::string fixedText(double value, int decimals);

// The default float text: 10 decimals, then trailing zeros and a trailing point dropped
// (1379 -> "1379", 0.25 -> "0.25").
std::string defaultFloatText(float value);

// Writes an integer as plain decimal text: "-" for negatives, no plus sign, no padding.
std::string intText(long long value);

}  // namespace platform
