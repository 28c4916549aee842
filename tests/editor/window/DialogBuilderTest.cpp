#include "editor/window/EditorDlg.h"
#include "editor/window/WindowFit.h"
#include "resources/ControlIds.h"
#include "support/RecordingPrompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
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
    QWidget* page = m_dialog->GetDlgItem(IDC_PATH)->parentWidget();
    const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* tabs = qobject_cast<QTabWidget*>(m_dialog->GetDlgItem(IDC_TAB));
    const QRect tabPage = tabs->currentWidget()->geometry().translated(tabs->pos());
    for (QWidget* a : controls)
        for (QWidget* b : controls.mid(controls.indexOf(a) + 1)) {
            // Only the champion fields may share room with the tab control,
            // and only inside its page, below the tabs.
            const QWidget* field = a == tabs ? b : b == tabs ? a : nullptr;
            EXPECT_TRUE(!a->geometry().intersects(b->geometry()) || (field && tabPage.contains(field->geometry())))
                << a->metaObject()->className() << " at " << a->x() << "," << a->y() << " overlaps "
                << b->metaObject()->className() << " at " << b->x() << "," << b->y();
        }
    for (const QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString shown = QString(label->text()).remove(QLatin1Char('&'));
        const QSize text(label->fontMetrics().horizontalAdvance(shown), label->fontMetrics().height());
        EXPECT_TRUE(label->contentsRect().contains(QRect(QPoint(), text))) << label->text().toStdString();
    }
    for (const int picker : {IDC_FIGHTER, IDC_NINJA, IDC_PRIEST, IDC_WIZARD, IDC_PLAYERS}) {
        auto* box = qobject_cast<QComboBox*>(m_dialog->GetDlgItem(picker));
        box->showPopup();
        for (int row = 0; row < box->count(); ++row)
            EXPECT_LE(box->view()->sizeHintForIndex(box->model()->index(row, 0)).width(), box->view()->viewport()->width())
                << box->itemText(row).toStdString();
        if (picker == IDC_PLAYERS)
            EXPECT_FALSE(box->view()->currentIndex().isValid()) << "before a load no item is marked";
        else
            EXPECT_EQ(box->view()->verticalScrollBar()->maximum(), 0) << "all 16 ranks show without scrolling";
        box->hidePopup();
    }
}

// On any screen the whole window is on it and cannot be resized; where the
// layout does not fit, it scrolls at full size to every control.
TEST_P(DialogBuilderTest, WindowFitsItsScreenAndScrollsRatherThanCutsOff)
{
    const QRect screen = m_dialog->screen()->availableGeometry();
    const QSize frame = CWindowFit::FrameExtent(*m_dialog);
    EXPECT_TRUE(screen.contains(QRect(m_dialog->pos(), m_dialog->size() + frame)))
        << m_dialog->width() << "x" << m_dialog->height() << " on " << screen.width() << "x" << screen.height();
    EXPECT_EQ(m_dialog->minimumSize(), m_dialog->maximumSize());
    QWidget* page = m_dialog->GetDlgItem(IDC_PATH)->parentWidget();
    EXPECT_TRUE(page->rect().contains(page->childrenRect())) << "controls keep their sizes";
    const QWidget* bar = m_dialog->GetDlgItem(IDC_NOTICE)->parentWidget();
    EXPECT_FALSE(page->isAncestorOf(bar));
    const bool cut = page->height() > screen.height() - frame.height();
    EXPECT_EQ(page->visibleRegion().boundingRect().size() != page->size(), cut);
    const auto* scroller = qobject_cast<QAbstractScrollArea*>(page->parentWidget()->parentWidget());
    EXPECT_EQ(scroller->verticalScrollBar()->isVisible(), cut) << "a cut-off page scrolls";
    EXPECT_EQ(bar->visibleRegion().boundingRect(), bar->rect()) << "the notices never scroll away";
    m_dialog->activateWindow(); // focus moves only in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    for (const int id : {IDC_PATH, IDC_WIZARD, IDC_ANTIFIRE_MAX, IDC_LEVEL}) {
        m_dialog->GetDlgItem(id)->setFocus();
        const QWidget* control = m_dialog->GetDlgItem(id);
        if (control->width() <= page->parentWidget()->width()) { // else it cannot show whole
            EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect()) << id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, DialogBuilderTest,
                         ::testing::Values(std::pair(""sv, 0), std::pair(""sv, 14), std::pair("Noto Sans CJK JP"sv, 14)));
}
