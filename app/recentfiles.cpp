#include "recentfiles.h"

#include "settingskeys.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

RecentFiles::RecentFiles(QMenu *menu, QObject *parent) : QObject(parent), menu_(menu)
{
    fillMenu();
}

QStringList RecentFiles::files() const
{
    return QSettings().value(kRecentFilesKey).toStringList();
}

void RecentFiles::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kCount));
}

void RecentFiles::remove(const QString &fileName)
{
    QStringList list = files();
    list.removeAll(QFileInfo(fileName).absoluteFilePath());
    store(list);
}

void RecentFiles::store(const QStringList &list)
{
    QSettings settings;
    settings.setValue(kRecentFilesKey, list);
    settings.sync();
    fillMenu();
}

void RecentFiles::fillMenu()
{
    menu_->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        // &1 .. &8: each has its key.
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(list.at(i)));
        const QString path = list.at(i);
        menu_->addAction(text, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!list.isEmpty());
}
