#pragma once

#include "editor/window/EditorDlg.h"
#include "editor/widgets/LevelMapView.h"
#include "resources/ControlIds.h"
#include "resources/DialogLayout.h"
#include "support/RecordingPrompts.h"
#include "tests/support/SaveFormat.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

// The record's fields as the window lays them out, known apart from the
// field table: after the path, the party's column, then a champion's page
// column by column, which is the order of the file (the party's five, then
// one champion's 24); each named by the words of its label up to the colon,
// a pair's two as current and maximum, a skill as experience.
inline std::vector<std::pair<int, QString>> LaidOutFields()
{
    std::vector<std::pair<int, QString>> fields;
    QString label;
    for (const DialogControl& control : DialogLayout::Controls) {
        const ControlKind kind = control.kind;
        if (kind == ControlKind::Label)
            label = QString::fromLatin1(control.text).remove(QLatin1Char('&')).section(QLatin1Char(':'), 0, 0);
        else if (kind == ControlKind::Edit && !fields.empty() && fields.back().second == label) // a pair's second
            fields.back().second += QStringLiteral(" current"), fields.emplace_back(control.nId, label + " maximum");
        else if (kind == ControlKind::SkillPicker)
            fields.emplace_back(control.nId, label + QStringLiteral(" experience"));
        else if (kind == ControlKind::Edit || kind == ControlKind::DropDown || kind == ControlKind::DropDownList)
            fields.emplace_back(control.nId, label);
    }
    fields.erase(fields.begin()); // the path
    return fields;
}
inline const std::vector<std::pair<int, QString>> kLaidOut = LaidOutFields();

using Bytes = SaveFormat::Bytes;
inline Bytes ReadAll(const QString& path) { return SaveFormat::ReadFile(path.toStdString()); }
inline void WriteAll(const QString& path, const Bytes& bytes) { SaveFormat::WriteFile(path.toStdString(), bytes); }

using SaveFormat::ChangedPositions;

// The editor window on a copy of the demo save (base 0) in a scratch
// folder, with every modal window answered by CRecordingPrompts.
class EditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_savePath = m_dir.filePath(QStringLiteral("demo.srm"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SOURCE_DIR "/samples/demo.srm"), m_savePath));
        m_dialog = std::make_unique<CEditorDlg>(m_prompts);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    QWidget* Control(int id) const { return m_dialog->GetDlgItem(id); }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }
    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(Control(id)); }
    QTabBar* Tabs() const { return qobject_cast<QTabWidget*>(Control(IDC_TAB))->tabBar(); }
    CLevelMapView* Map() const { return qobject_cast<CLevelMapView*>(Control(IDC_MAP)); }
    QString Text(int id) const { return Edit(id) ? Edit(id)->text() : Combo(id)->currentText(); }
    bool HasFocus(int id) const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == Control(id) || Control(id)->isAncestorOf(focus));
    }

    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    void ClickTab(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Tabs(), button, {}, Tabs()->tabRect(index).center());
    }
    void Type(int id, const QString& text)
    {
        if (Edit(id))
            Edit(id)->setText(text);
        else
            Combo(id)->setEditText(text);
    }
    void Load(const QString& path)
    {
        Type(IDC_PATH, path);
        Click(IDC_LOAD);
    }
    QString Copy(const QString& name, const Bytes& bytes)
    {
        WriteAll(m_dir.filePath(name), bytes);
        return m_dir.filePath(name);
    }
    void LoadDemo()
    {
        Load(m_savePath);
        ASSERT_TRUE(m_prompts.warnings.isEmpty()) << m_prompts.warnings.join('\n').toStdString();
    }

    QTemporaryDir m_dir;
    QString m_savePath;
    CRecordingPrompts m_prompts;
    std::unique_ptr<CEditorDlg> m_dialog;
};
