#pragma once
// A fixed-width text field (vendor name, part number, serial number) shown in
// a line edit. Bytes are read as UTF-8 up to the first zero byte and written
// as Latin-1 padded with zero bytes.

#include "sfpdatamapperwidget.h"

class QLineEdit;

class SFPDataMapperString : public SFPDataMapperWidget
{
    Q_OBJECT

public:
    SFPDataMapperString(QLineEdit *lineEdit, int offset, int length, int table);

public slots:
    void update() override;

signals:
    void valueChanged(QString value);

private slots:
    void writeBack(const QString &text);
};
