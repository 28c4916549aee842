#include "savedata/WriteLedger.h"

void CWriteLedger::Record(const FieldSet& fields, const SaveData& written, Clock::time_point when)
{
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (fields[i])
            m_entries[i] = Entry{FieldValue(written, i), when};
}

void CWriteLedger::Forget(const FieldSet& fields)
{
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (fields[i])
            m_entries[i].reset();
}

void CWriteLedger::Clear()
{
    m_entries.fill(std::nullopt);
}

FieldSet CWriteLedger::Fields() const
{
    FieldSet fields;
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        fields[i] = m_entries[i].has_value();
    return fields;
}

std::optional<CWriteLedger::Entry> CWriteLedger::Find(std::size_t index) const
{
    return index < kSaveFieldCount ? m_entries[index] : std::nullopt;
}

FieldSet CWriteLedger::TakenBack(const SaveData& file) const
{
    FieldSet takenBack;
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        takenBack[i] = m_entries[i] && m_entries[i]->value != FieldValue(file, i);
    return takenBack;
}

SaveData CWriteLedger::WithWritten(SaveData data, const FieldSet& fields) const
{
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (fields[i] && m_entries[i])
            SetFieldValue(data, i, m_entries[i]->value);
    return data;
}
