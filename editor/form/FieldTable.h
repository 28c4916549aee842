#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

#include "editor/form/ChampionForm.h"
#include "editor/form/DataExchange.h"

// Everything the window knows of a field of the save, in one table beside
// the one of savedata/SaveFields.h, which places each field in the file.
// The exchange, the edit marks, the names and the champion form's copy are
// all walks of it.

// How the window shows a value and reads it back.
enum class FieldShown
{
    Path,     // the save file's path, as text; not in the record
    Number,   // an edit field's number, up to the largest its place in the file holds
    BoxText,  // an editable drop-down's text, checked as such a number
    ListItem, // the position of a drop-down list's selected item
};

struct FormField
{
    std::size_t record; // its record index (SaveFields.h), a champion's by the first champion's
    int nId;            // its control (resources/ControlIds.h)
    const char* name;   // the words of its label, translated in context "FormField"
    FieldShown shown;
    std::uint32_t ChampionForm::*number = nullptr; // where the champion form keeps it: a number
    QString ChampionForm::*text = nullptr;         // or a text
};

inline constexpr std::size_t kNotInRecord = static_cast<std::size_t>(-1);

// In the order of the form's exchange, which decides at which field a read
// stops and what it has stored before: neither the screen's nor the file's.
extern const std::array<FormField, 30> kFieldTable;

// The field a control shows; nullptr for a control that shows none.
const FormField* FieldOfControl(int nId);
// The field of a record index (0 to 100), of any champion.
const FormField& FieldOfRecord(std::size_t index);

bool IsChampionField(const FormField& field);
std::size_t RecordIndex(const FormField& field, int champion);
// The largest value its place in the file holds.
FieldRange RangeOf(const FormField& field);
std::int32_t PartyState::*PartyMember(const FormField& field);

// The one name of a field, in messages, questions, notices and for screen
// readers alike: "x", "Strength maximum, Player 2" for champion index 1.
QString FieldName(const FormField& field, int champion);

// The champion form from a champion's record and back: numbers bit for
// bit, texts as "%u" one way and their leading integer back.
void LoadChampionForm(ChampionForm& form, const ChampionRecord& record);
void StoreChampionForm(const ChampionForm& form, ChampionRecord& record);
