// The field table against the tables written apart from it: the save's
// (savedata/SaveFields.h) and the window's layout, which shows the path and
// then the fields in the order of the file, each pair after its label.
// Walks of the window (tests/editor/window/FormTest.cpp) check the rest.
#include "editor/form/FieldTable.h"
#include "resources/DialogLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
using K = ControlKind;

TEST(FieldTableTest, EveryFieldOnceOnTheControlAtItsPlaceNamedByItsLabel)
{
    // The layout's fields in its order, each with the name its place gives
    // it: its label's words, a pair's two as current and maximum.
    const std::set<K> fieldKinds = {K::Edit, K::DropDown, K::DropDownList, K::SkillPicker};
    std::vector<std::tuple<int, K, QString>> laidOut;
    QString label;
    bool afterLabel = false;
    for (const DialogControl& control : DialogLayout::Controls) {
        if (control.kind == K::Label)
            label = QString::fromLatin1(control.text).remove(QLatin1Char('&')).section(QLatin1Char(':'), 0, 0);
        if (fieldKinds.count(control.kind) && !afterLabel) {
            std::get<2>(laidOut.back()) = label + QStringLiteral(" current");
            laidOut.emplace_back(control.nId, control.kind, label + QStringLiteral(" maximum"));
        } else if (fieldKinds.count(control.kind)) {
            laidOut.emplace_back(control.nId, control.kind,
                                 label + (control.kind == K::SkillPicker ? QStringLiteral(" experience") : QString()));
        }
        afterLabel = control.kind == K::Label;
    }
    ASSERT_EQ(laidOut.size(), kFieldTable.size());

    const std::set<K> kinds[] = {{K::Edit}, {K::Edit}, {K::DropDown, K::SkillPicker}, {K::DropDownList}};
    std::set<std::size_t> records;
    for (const FormField& field : kFieldTable) {
        records.insert(field.record);
        const auto& [nId, kind, name] = laidOut.at(field.record == kNotInRecord ? 0 : field.record + 1);
        EXPECT_EQ(field.nId, nId) << field.name;
        EXPECT_EQ(QString::fromLatin1(field.name), name);
        EXPECT_EQ(kinds[static_cast<int>(field.shown)].count(kind), 1u) << field.name;
        EXPECT_EQ(field.number || field.text, IsChampionField(field)) << field.name;
        EXPECT_FALSE(field.number && field.text) << field.name;
    }
    EXPECT_EQ(records.size(), kFieldTable.size()) << "a record index twice";
}
}
