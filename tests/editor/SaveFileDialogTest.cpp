#include "editor/SaveFileDialog.h"

#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
TEST(SaveFileDialogTest, AllFilterTakesEveryFileEvenWithoutADot)
{
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("GAME"));
    for (const QString& path : {game, dir.filePath(QStringLiteral("demo.srm"))})
        QFile(path).open(QIODevice::WriteOnly);
    CSaveFileDialog dialog(nullptr, dir.filePath(QStringLiteral("demo.srm")));
    QTest::keyClick(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
    ASSERT_EQ(dialog.selectedNameFilter(), QStringLiteral("All (*.*)"));

    const auto* files = dialog.findChild<QFileSystemModel*>();
    const QModelIndex folder = files->index(dir.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return files->rowCount(folder) == 2; })) << "both files listed";
    dialog.selectFile(game); // as if typed
    EXPECT_EQ(dialog.selectedFiles(), QStringList{game});
}
}
