#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include "savedata/SaveData.h"

// The 101 fields by their index in record order (as a FieldSet counts
// them), for telling the user about single fields.

std::int32_t FieldValue(const SaveData& data, std::size_t index);
void SetFieldValue(SaveData& data, std::size_t index, std::int32_t value);

// "Player 2 HP max", "x", "Level".
QString FieldName(std::size_t index);
// The value as the window shows it: a level counted from 1, a direction by
// its name.
QString FieldValueText(std::size_t index, std::int32_t value);
