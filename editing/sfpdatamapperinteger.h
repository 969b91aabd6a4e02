#pragma once
// Numeric fields shown in an integer spin box: a plain byte, a 16-bit value
// stored most significant byte first, and a byte counted in tens (the OM3
// multimode length in units of 10 m).

#include "sfpdatamapperwidget.h"

class QSpinBox;

class SFPDataMapperUInt8 : public SFPDataMapperWidget
{
    Q_OBJECT

public:
    SFPDataMapperUInt8(QSpinBox *spinBox, int offset, int table);

public slots:
    void update() override;

signals:
    void valueChanged(int value);

private slots:
    void writeBack();
};

class SFPDataMapperUInt16 : public SFPDataMapperWidget
{
    Q_OBJECT

public:
    SFPDataMapperUInt16(QSpinBox *spinBox, int offset, int table);

public slots:
    void update() override;

signals:
    void valueChanged(int value);

private slots:
    void writeBack();
};

class SFPDataMapperMMF : public SFPDataMapperWidget
{
    Q_OBJECT

public:
    SFPDataMapperMMF(QSpinBox *spinBox, int offset, int table);

public slots:
    void update() override;

signals:
    void valueChanged(int value);

private slots:
    void writeBack();
};
