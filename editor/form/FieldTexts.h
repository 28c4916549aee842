#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>


// The 101 fields by their index in record order (as a FieldSet counts
// them, and FieldValue reads them), for telling the user about single
// fields.

// "Player 2 HP max", "x", "Level".
QString FieldName(std::size_t index);
// The value as the window shows it: a level counted from 1, a direction by
// its name.
QString FieldValueText(std::size_t index, std::int32_t value);
