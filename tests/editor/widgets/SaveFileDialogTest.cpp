#include "editor/widgets/SaveFileDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
// Windows' own dialog takes only the name part of a full path, so the
// folder must be set on its own; the name is filled in only for a file
// that is there.
TEST(SaveFileDialogTest, OpensInThePathsFolderOrTheLastOneWithTheNameOfAnExistingFile)
{
    QTemporaryDir saves, last;
    const QString save = saves.filePath(QStringLiteral("a.srm"));
    QFile(save).open(QIODevice::WriteOnly);
    const std::tuple<QString, QString, QString> cases[] = {
        {save, saves.path(), QStringLiteral("a.srm")},
        {saves.filePath(QStringLiteral("missing.srm")), saves.path(), QString()},
        {QDir::toNativeSeparators(saves.filePath(QStringLiteral("gone/b.srm"))), last.path(), QString()},
        {QString(), last.path(), QString()},
    };
    for (const auto& [given, folder, name] : cases) {
        CSaveFileDialog dialog(nullptr, given, last.path());
        EXPECT_EQ(dialog.directory().absolutePath(), QDir(folder).absolutePath()) << given.toStdString();
        const QString chosen = dialog.ChosenFile();
        if (name.isEmpty()) {
            EXPECT_FALSE(QFileInfo(chosen).isFile()) << given.toStdString() << " chose " << chosen.toStdString();
        } else {
            EXPECT_EQ(chosen, QDir::toNativeSeparators(save));
        }
    }
}
}
