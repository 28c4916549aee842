#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// How the form turns field text into numbers and back.

// An unsigned decimal number with optional blanks around it and an optional
// '+'; nullopt when the text holds anything else. The whole text counts,
// however long, and values past 4294967295 saturate there.
std::optional<std::uint32_t> ParseNumberField(const QString& text);

// The number at the start of the text, C-library style: blanks, an optional
// sign, digits; 0 when there are none. Wraps in 32 bits, never fails.
std::int32_t LeadingInteger(const QString& text);

// "%u": the 32 bits read as unsigned, no leading zeros.
QString UnsignedText(std::uint32_t value);
