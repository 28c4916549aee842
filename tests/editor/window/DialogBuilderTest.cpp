#include "editor/window/EditorDlg.h"
#include "resources/ControlIds.h"
#include "support/RecordingPrompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

using namespace std::string_view_literals;

namespace
{
// The editor window under a desktop font, family and point size; "" or 0
// keeps the system's. A Japanese font has wide average characters, in which
// the skill rows are measured; at 14 points, boxes placed by rounded width
// and height would overlap their neighbours.
class DialogBuilderTest : public ::testing::TestWithParam<std::pair<std::string_view, int>>
{
protected:
    void SetUp() override
    {
        QFont font = m_systemFont;
        if (!GetParam().first.empty())
            font.setFamily(QString::fromLatin1(GetParam().first));
        if (GetParam().second != 0)
            font.setPointSize(GetParam().second);
        QApplication::setFont(font); // before the window is made, as a desktop's font would be
        m_dialog = std::make_unique<CEditorDlg>(m_prompts);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void TearDown() override { QApplication::setFont(m_systemFont); }

    const QFont m_systemFont = QApplication::font();
    CRecordingPrompts m_prompts;
    std::unique_ptr<CEditorDlg> m_dialog;
};

TEST_P(DialogBuilderTest, WindowTakesTheFontAndNoControlOverlapsOrCutsItsText)
{
    EXPECT_EQ(m_dialog->font(), QApplication::font());
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_WIZARD)->font(), QApplication::font());
    const QList<QWidget*> controls = m_dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* tabs = qobject_cast<QTabWidget*>(m_dialog->GetDlgItem(IDC_TAB));
    const QRect page = tabs->currentWidget()->geometry().translated(tabs->pos());
    for (QWidget* a : controls)
        for (QWidget* b : controls.mid(controls.indexOf(a) + 1)) {
            // Only the champion fields may share room with the tab control,
            // and only inside its page, below the tabs.
            const QWidget* field = a == tabs ? b : b == tabs ? a : nullptr;
            EXPECT_TRUE(!a->geometry().intersects(b->geometry()) || (field && page.contains(field->geometry())))
                << a->metaObject()->className() << " at " << a->x() << "," << a->y() << " overlaps "
                << b->metaObject()->className() << " at " << b->x() << "," << b->y();
        }
    for (const QLabel* label : m_dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QSize text(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
        EXPECT_TRUE(label->contentsRect().contains(QRect(QPoint(), text))) << label->text().toStdString();
    }
    for (const int picker : {IDC_FIGHTER, IDC_NINJA, IDC_PRIEST, IDC_WIZARD, IDC_PLAYERS}) {
        auto* box = qobject_cast<QComboBox*>(m_dialog->GetDlgItem(picker));
        box->showPopup();
        for (int row = 0; row < box->count(); ++row)
            EXPECT_LE(box->view()->sizeHintForIndex(box->model()->index(row, 0)).width(), box->view()->viewport()->width())
                << box->itemText(row).toStdString();
        if (picker == IDC_PLAYERS) {
            EXPECT_FALSE(box->view()->currentIndex().isValid()) << "before a load no item is marked";
        }
        box->hidePopup();
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, DialogBuilderTest,
                         ::testing::Values(std::pair(""sv, 0), std::pair(""sv, 14), std::pair("Noto Sans CJK JP"sv, 14)));
}
