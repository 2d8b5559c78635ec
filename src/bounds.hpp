#pragma once

#include <ctime>

namespace quorvel {

// The window's kind, fixed by the start bound's qualifier alone.
enum class day_qualifier { none = 0, day_of_week = 1, day_of_month = 2, month_day = 3 };

// Which bound an argument belongs to: an end qualifier must repeat the start's kind.
enum class bound_role { start, end };

enum class qualifier_parse { no_qualifier, accepted, failed };

// Reads one decimal number like "%d", but with ASCII-only white space and
// rejecting values outside a signed 32-bit integer. Advances `text` past
// the digits on success; on failure `text` is unspecified.
bool read_number(const char*& text, int& value);

// Reads "H:M" into tm_hour and tm_min. True only when both numbers are read,
// the colon follows the hour immediately, and the values are a real time.
bool parse_time_of_day(const char* text, std::tm& bound);

// Recognises "DOW:", "D:" or "MD:" (ASCII case folded). A start qualifier sets
// `kind`; an end qualifier must match it. Fills the bound's day fields.
qualifier_parse parse_day_qualifier(const char* text, bound_role role, day_qualifier& kind,
                                    std::tm& bound);

} // namespace quorvel
