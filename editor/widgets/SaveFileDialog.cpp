#include "editor/widgets/SaveFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>

namespace
{
constexpr char kSrmFilter[] = QT_TRANSLATE_NOOP("CSaveFileDialog", "SRM files (*.srm)");
constexpr char kAllFilter[] = QT_TRANSLATE_NOOP("CSaveFileDialog", "All (*.*)");
const QString kSrmSuffix = QStringLiteral("srm");

// The class has no tr() of its own (see the header), and QFileDialog's
// would look our texts up among Qt's.
QString Tr(const char* text)
{
    return QCoreApplication::translate("CSaveFileDialog", text);
}
}

CSaveFileDialog::CSaveFileDialog(QWidget* owner, const QString& initialPath, const QString& lastFolder)
    : QFileDialog(owner)
{
#ifndef Q_OS_WIN
    // Other platforms' dialogs read "*.*" as names with a dot; Qt's own
    // dialog can be told to list every file. Windows' dialog lists them all.
    setOption(QFileDialog::DontUseNativeDialog);
#endif
    // Qt's own dialog, wherever it is used, is told so too.
    connect(this, &QFileDialog::filterSelected, this, &CSaveFileDialog::OnFilterSelected);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({Tr(kSrmFilter), Tr(kAllFilter)});
    setDefaultSuffix(kSrmSuffix);
    StartAt(initialPath, lastFolder);
}

// The folder and the name are given apart: Windows' own dialog takes only
// the name part of a full path and would open in a folder of its choosing.
void CSaveFileDialog::StartAt(const QString& initialPath, const QString& lastFolder)
{
    const QFileInfo given(initialPath);
    const QDir folder = given.isDir() ? QDir(given.absoluteFilePath()) : given.absoluteDir();
    if (!initialPath.isEmpty() && folder.exists())
        setDirectory(folder);
    else if (!lastFolder.isEmpty())
        setDirectory(lastFolder);
    if (given.isFile())
        selectFile(given.fileName());
}

QString CSaveFileDialog::ChosenFile() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.constFirst());
}

void CSaveFileDialog::OnFilterSelected(const QString& filter)
{
    const bool all = filter == Tr(kAllFilter);
    auto* files = findChild<QFileSystemModel*>();
    if (all && files)
        files->setNameFilters({});
    // Under "All" a name typed without a dot means that very file.
    setDefaultSuffix(all ? QString() : kSrmSuffix);
}
