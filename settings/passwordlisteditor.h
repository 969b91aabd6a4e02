#pragma once
// The list of named passwords as the settings dialog edits it: a table of
// names and masked digits with Add, Remove, Up, Down and Show. The digits of
// the built-in presets are never shown; typing new digits over them makes
// the entry an ordinary one.

#include "passwordlist.h"

#include <QWidget>

class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class PasswordListEditor : public QWidget
{
    Q_OBJECT

public:
    explicit PasswordListEditor(QWidget *parent = nullptr);

    void setList(const PasswordList &list);
    // The entries in order, incomplete ones included.
    PasswordList list() const;
    // Entries renamed since setList(), as the stored name and the new one.
    QVector<QPair<QString, QString>> renames() const;
    bool digitsShown() const;

signals:
    void changed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void addEntry();
    void removeEntry();
    void moveEntry(int by);
    void itemChanged(QTableWidgetItem *item);
    void appendRow(const NamedPassword &entry, const QString &storedName);
    void showDigits(int row);
    void updateButtons();
    void retranslate();

    QTableWidget *table;
    QToolButton *add;
    QToolButton *remove;
    QToolButton *up;
    QToolButton *down;
    QToolButton *show;
    bool filling = false;
};
