#pragma once
// The File menu's recent files: the last eight opened or saved, newest
// first, kept in the settings. A file that is gone when chosen leaves the list.

#include <QObject>
#include <QStringList>

class QMenu;

class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCount = 8;

    // Fills `menu` and keeps it up to date.
    explicit RecentFiles(QMenu *menu, QObject *parent = nullptr);

    QStringList files() const;
    void add(const QString &fileName);
    void remove(const QString &fileName);

signals:
    void chosen(const QString &fileName);

private:
    void store(const QStringList &files);
    void fillMenu();

    QMenu *menu_;
};
