#include "editor/form/FieldTexts.h"

#include "editor/form/FieldTable.h"
#include "resources/DialogLayout.h"
#include "savedata/SaveFields.h"

#include <QCoreApplication>

#include <algorithm>

QString FieldName(std::size_t index)
{
    return FieldName(FieldOfRecord(index), ChampionOfField(index));
}

QString FieldValueText(std::size_t index, std::int32_t value)
{
    const FormField& field = FieldOfRecord(index);
    if (field.shown != FieldShown::ListItem)
        return QString::number(value);
    const auto& controls = DialogLayout::Controls;
    const auto* list = std::find_if(controls.begin(), controls.end(),
                                    [&](const DialogControl& control) { return control.nId == field.nId; });
    // Past its list, a numbered list (the levels, from "1") goes on
    // counting as its items do; a named one shows the stored number.
    if (value < 0 || static_cast<std::size_t>(value) >= list->initialItems.size()) {
        bool numbered = false;
        const int first = QString::fromLatin1(list->initialItems.front()).toInt(&numbered);
        return QString::number(static_cast<std::int64_t>(value) + (numbered ? first : 0));
    }
    return QCoreApplication::translate("DialogLayout", list->initialItems[static_cast<std::size_t>(value)]);
}
