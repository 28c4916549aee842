#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

// The file-open window for a save file: an existing file, the filter
// "SRM files (*.srm)" in force when it opens, and "All (*.*)", which lists
// every file as Windows' own dialog does, names without a dot included.
// Deliberately without Qt's meta-object macro: Qt hands only QFileDialog
// itself to the platform's own dialog.
class CSaveFileDialog : public QFileDialog
{
public:
    // Opens in the folder of initialPath, or in lastFolder where that folder
    // does not exist, with the file's name filled in only if it exists.
    CSaveFileDialog(QWidget* owner, const QString& initialPath, const QString& lastFolder);

    // The chosen file, with the system's own separators; empty if none.
    QString ChosenFile() const;

private:
    void OnFilterSelected(const QString& filter);
    void StartAt(const QString& initialPath, const QString& lastFolder);
};
