#pragma once
// Named parameters in SQL text.
#include <string>
#include <vector>

// Turns every ":name" parameter into "?" and appends the names to `names` in
// the order they occur (a name used twice appears twice). A name is a run of
// ASCII letters, digits, '_' and '$' right after the colon; a colon not
// followed by one, and "::", stay as they are. Text inside string literals
// '...', quoted identifiers "..." and comments (-- to the end of the line,
// /* ... */) is copied unchanged; an unterminated one runs to the end.
std::string ConvertNamedParams(const std::string& sql, std::vector<std::string>& names);
