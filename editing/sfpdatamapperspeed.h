#pragma once
// The nominal signalling rate: one byte in units of 100 MBd, shown in G
// with one decimal.

#include "sfpdatamapperwidget.h"

class QDoubleSpinBox;

class SFPDataMapperSpeed : public SFPDataMapperWidget
{
    Q_OBJECT

public:
    SFPDataMapperSpeed(QDoubleSpinBox *spinBox, int offset, int table);

public slots:
    void update() override;

signals:
    void valueChanged(double value);

private slots:
    void writeBack();
};
