#pragma once
// The one evaluator of numeric entries: every number typed in a dialog field
// or a table cell may be a small calculation (12*3.5, sqrt(2)/2, $FF, 3!).
#include <string_view>

namespace murena {

// Evaluates an entry.  Throws EntryError with "Entry could not be evaluated:",
// a line break and the reason ("entry cannot be blank", "() (parentheses) do
// not match", "invalid expression", "! (factoral) applicable to integers
// only", "invalid use of $ (hex function)", "invalid character(s) in
// expression").  A result that is not a finite double (1/0, sqrt-1, 200!)
// fails as an invalid expression.
double evaluateExpression(std::string_view text);

// The same evaluation in extended precision, as the checks carry it.
long double evaluateExpressionExtended(std::string_view text);

}  // namespace murena
