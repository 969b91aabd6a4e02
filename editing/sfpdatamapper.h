#pragma once
// A field mapper ties a byte range of one table to something that must follow
// it: a decoded-field editor, or one of the module's one-byte check codes.
// It is bound to a model only while that model holds the mapper's table, and
// that table is an SFP module's.

#include <QModelIndex>
#include <QObject>
#include <QPointer>

#include "tableviewmodel.h"

class SFPDataMapper : public QObject
{
    Q_OBJECT

public:
    SFPDataMapper(int offset, int length, int table);

    int offset() const { return offset_; }
    int length() const { return length_; }
    int table() const { return table_; }
    TableViewModel *model() const { return model_; }

    // Binds to the model if it holds this mapper's table, else unbinds;
    // refreshes in either case.
    void setModel(TableViewModel *model);

public slots:
    // Both ends included: a widget field answers for the byte after it too,
    // and a check code's range for the check code itself.
    virtual bool contains(int pos) const;
    virtual void update() = 0;
    void modelDataChanged(const QModelIndex &index, const QModelIndex &);
    // The buffer's bytes came anew: bound again if they are an SFP module's.
    void modelReset();

protected:
    bool holdsTable() const;
    // Announces the field's cells as changed and updates the table checksum,
    // so the view, this mapper and the covering check code all follow.
    void notifyWritten();

    int offset_;
    int length_;
    int table_;
    QPointer<TableViewModel> model_;
    QPointer<TableViewModel> watched_;  // the model holding the table, whatever its family
};
