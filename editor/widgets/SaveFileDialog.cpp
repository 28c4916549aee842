#include "editor/widgets/SaveFileDialog.h"

#include <QCoreApplication>
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
    setNameFilters({Tr(kSrmFilter), Tr(kAllFilter)});
    setDefaultSuffix(kSrmSuffix);
    if (!initialPath.isEmpty())
        selectFile(initialPath);
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
