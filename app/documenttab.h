#pragma once
// A page of the window's buffer tabs: something with a hex grid of one
// region, an undo history, and the file it was last opened from or saved
// to. A buffer holds one table; the Module tab a whole module.

#include <QPointer>
#include <QWidget>

class EditHistory;
class HexGridView;
class TableViewModel;

class DocumentTab : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
    ~DocumentTab() override;

    // The bytes the grid shows and the field editors edit.
    virtual TableViewModel *model() const = 0;
    virtual HexGridView *view() const = 0;
    virtual EditHistory *history() const = 0;
    // "Buffer 1", "Module", in the language in use.
    virtual QString name() const = 0;

    const QString &fileName() const { return fileName_; }
    void setFileName(const QString &fileName);
    // It differs from what it last opened, saved, read or wrote.
    bool isModified() const;
    // The name, the file's name and a star when modified.
    QString caption() const;

signals:
    void captionChanged();

protected:
    // Call once the history exists.
    void watchHistory();

private:
    QString fileName_;
    // The history empties itself as it goes, which is no change to report.
    QPointer<EditHistory> watched_;
};
