#include "editor/widgets/SaveFileDialog.h"

#include <QFileSystemModel>

namespace
{
const QString kSrmFilter = QStringLiteral("SRM files (*.srm)");
const QString kAllFilter = QStringLiteral("All (*.*)");
const QString kSrmSuffix = QStringLiteral("srm");
}

CSaveFileDialog::CSaveFileDialog(QWidget* owner, const QString& initialPath) : QFileDialog(owner)
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
    setNameFilters({kSrmFilter, kAllFilter});
    setDefaultSuffix(kSrmSuffix);
    if (!initialPath.isEmpty())
        selectFile(initialPath);
}

void CSaveFileDialog::OnFilterSelected(const QString& filter)
{
    const bool all = filter == kAllFilter;
    auto* files = findChild<QFileSystemModel*>();
    if (all && files)
        files->setNameFilters({});
    // Under "All" a name typed without a dot means that very file.
    setDefaultSuffix(all ? QString() : kSrmSuffix);
}
