#pragma once

#include <QObject>

#include <functional>

class QWidget;

// A save file dropped anywhere on the window: a local file's URL, from a
// file manager or a desktop, goes to onFile. Other drops (text into a
// field) are left to the control.
class CFileDrop : public QObject
{
public:
    CFileDrop(std::function<void(const QString& path)> onFile, QObject* parent);

    // Lets window and everything in it take the drop.
    void WatchAll(QWidget* window);

protected:
    void Watch(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_onFile;
};
