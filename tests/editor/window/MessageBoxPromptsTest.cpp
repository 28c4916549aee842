#include "editor/window/MessageBoxPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
TEST(MessageBoxPromptsTest, QuestionDefaultsToCancelAndEscapeCancels)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Dungeon Ledger"));
    QWidget owner;
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            seen << QStringLiteral("%1:%2").arg(button->text()).arg(box->buttonRole(button));
        seen << box->defaultButton()->text() << box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(box->isVisible()) << "Escape closes the question";
        QTimer::singleShot(0, box, [box] { box->done(-1); }); // if it did not, so the test goes on
    });
    EXPECT_EQ(CMessageBoxPrompts::Standard().Ask(&owner, QStringLiteral("?"),
                                                 {{QStringLiteral("Overwrite"), QMessageBox::AcceptRole},
                                                  {QStringLiteral("Cancel"), QMessageBox::RejectRole}}),
              1u) << "Escape answers Cancel";
    seen.sort(); // the platform decides the order the buttons stand in
    EXPECT_EQ(seen.join(", ").toStdString(), "Cancel, Cancel:1, Dungeon Ledger, Overwrite:0");
}
}
