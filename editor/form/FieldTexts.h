#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The 101 fields by their record index (as a FieldSet counts them, and
// FieldValue reads them), for telling the user about single fields.

// The field's one name (FieldTable.h): "x", "HP maximum, Player 2".
QString FieldName(std::size_t index);
// The value as the window shows it: a list's value as its item's text (a
// level counted from 1, a direction by its name), a position the list does
// not have as the number itself.
QString FieldValueText(std::size_t index, std::int32_t value);
