#pragma once
// Reading the engine's text output: the blank-separated items of a line and
// the numbers of its fixed-width fields.
#include <optional>
#include <string_view>
#include <vector>

namespace murena::runner {

// The blank-separated items of a line (blanks, tabs, a stray CR).
std::vector<std::string_view> lineItems(std::string_view line);

// The text without its leading and trailing blanks.
std::string_view trimmedText(std::string_view text);

// An item that is a whole decimal integer (optional sign), at most 18 digits.
std::optional<long> parseInteger(std::string_view item);

// One number of the engine's fixed-width fields, including the three-digit
// exponent form without the letter ("0.1250+102").  Not-a-number,
// infinities and asterisks (a value too large for its field) give nullopt.
std::optional<double> parseFieldNumber(std::string_view item);

}  // namespace murena::runner
