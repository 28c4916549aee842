#pragma once

#include "editor/EditorDlg.h"
#include "editor/LevelMapView.h"
#include "resources/ControlIds.h"
#include "support/RecordingPrompts.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Positions whose bytes differ between two images of the same size.
inline std::vector<int> ChangedPositions(const QByteArray& before, const QByteArray& after)
{
    std::vector<int> changed;
    for (int i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changed.push_back(i);
    return changed;
}

// The editor window on a copy of the demo save in a scratch folder, with
// every modal window answered by CRecordingPrompts.
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

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(m_dialog->GetDlgItem(id)); }
    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(m_dialog->GetDlgItem(id)); }
    QTabBar* Tabs() const { return qobject_cast<QTabWidget*>(m_dialog->GetDlgItem(IDC_TAB))->tabBar(); }
    CLevelMapView* Map() const { return qobject_cast<CLevelMapView*>(m_dialog->GetDlgItem(IDC_MAP)); }
    QString Text(int id) const { return Edit(id) ? Edit(id)->text() : Combo(id)->currentText(); }

    void Click(int id) { QTest::mouseClick(m_dialog->GetDlgItem(id), Qt::LeftButton); }
    void ClickTab(int index) { QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center()); }
    void Type(int id, const QString& text)
    {
        if (Edit(id))
            Edit(id)->setText(text);
        else
            Combo(id)->setEditText(text);
    }

    void LoadDemo()
    {
        Type(IDC_PATH, m_savePath);
        Click(IDC_LOAD);
        ASSERT_TRUE(m_prompts.warnings.isEmpty()) << m_prompts.warnings.join('\n').toStdString();
    }

    QTemporaryDir m_dir;
    QString m_savePath;
    CRecordingPrompts m_prompts;
    std::unique_ptr<CEditorDlg> m_dialog;
};
