#include "editor/EditorDlg.h"
#include "resources/ControlIds.h"
#include "support/RecordingPrompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace
{
// The editor window under a desktop font, family and point size; "" or 0
// keeps the system's.
class DialogBuilderTest : public ::testing::TestWithParam<std::pair<std::string, int>>
{
protected:
    void SetUp() override
    {
        QFont font = m_systemFont;
        if (!GetParam().first.empty())
            font.setFamily(QString::fromStdString(GetParam().first));
        if (GetParam().second != 0)
            font.setPointSize(GetParam().second);
        QApplication::setFont(font);
        m_dialog = std::make_unique<CEditorDlg>(m_prompts);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void TearDown() override { QApplication::setFont(m_systemFont); }

    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(m_dialog->GetDlgItem(id)); }

    const QFont m_systemFont = QApplication::font();
    CRecordingPrompts m_prompts;
    std::unique_ptr<CEditorDlg> m_dialog;
};

TEST_P(DialogBuilderTest, WindowTakesTheFontAndNoControlOverlapsOrCutsItsText)
{
    EXPECT_EQ(m_dialog->font(), QApplication::font());
    EXPECT_EQ(Combo(IDC_WIZARD)->font(), QApplication::font());
    const QList<QWidget*> controls = m_dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* tabs = qobject_cast<QTabWidget*>(m_dialog->GetDlgItem(IDC_TAB));
    const QRect page = tabs->currentWidget()->geometry().translated(tabs->pos());
    for (QWidget* a : controls)
        for (QWidget* b : controls.mid(controls.indexOf(a) + 1)) {
            if (!a->geometry().intersects(b->geometry()))
                continue;
            // Only the champion fields may share room with the tab control,
            // and only inside its page, below the tabs.
            const QWidget* field = a == tabs ? b : b == tabs ? a : nullptr;
            EXPECT_TRUE(field && page.contains(field->geometry()))
                << a->metaObject()->className() << " at " << a->x() << "," << a->y() << " overlaps "
                << b->metaObject()->className() << " at " << b->x() << "," << b->y();
        }
    for (const QLabel* label : m_dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QSize text(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
        EXPECT_TRUE(label->contentsRect().contains(QRect(QPoint(), text))) << label->text().toStdString();
    }
    for (const int picker : {IDC_FIGHTER, IDC_NINJA, IDC_PRIEST, IDC_WIZARD}) {
        QComboBox* box = Combo(picker);
        box->showPopup();
        const QAbstractItemView* list = box->view();
        for (int row = 0; row < box->count(); ++row)
            EXPECT_LE(list->sizeHintForIndex(box->model()->index(row, 0)).width(), list->viewport()->width())
                << box->itemText(row).toStdString();
        box->hidePopup();
    }
}

TEST_P(DialogBuilderTest, PlayerCountListMarksNoItemBeforeALoad)
{
    Combo(IDC_PLAYERS)->showPopup();
    EXPECT_FALSE(Combo(IDC_PLAYERS)->view()->currentIndex().isValid()) << "no item is \"0\"";
}

// A Japanese desktop font has wide average characters, in which the skill
// rows are measured; at 14 points, boxes placed by rounded width and height
// would overlap their neighbours.
INSTANTIATE_TEST_SUITE_P(Fonts, DialogBuilderTest,
                         ::testing::Values(std::pair<std::string, int>{"", 0}, std::pair<std::string, int>{"", 14},
                                           std::pair<std::string, int>{"Noto Sans CJK JP", 14}));
}
