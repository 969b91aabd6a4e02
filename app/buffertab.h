#pragma once
// One of the window's three buffers: a 128-byte table in a hex grid, which
// the table selector says what it stands for.

#include "documenttab.h"

class BufferTab : public DocumentTab
{
    Q_OBJECT

public:
    BufferTab(int number, QWidget *parent = nullptr);

    TableViewModel *model() const override { return model_; }
    HexGridView *view() const override { return view_; }
    EditHistory *history() const override { return history_; }
    QString name() const override;
    int number() const { return number_; }

private:
    int number_;
    TableViewModel *model_;
    HexGridView *view_;
    EditHistory *history_;
};
