#include "sfpdatamapperstring.h"

#include <QLineEdit>

SFPDataMapperString::SFPDataMapperString(QLineEdit *lineEdit, int offset, int length, int table)
    : SFPDataMapperWidget(lineEdit, offset, length, table)
{
    // Writing back refreshes the very line edit the operator types in;
    // setting an unchanged text again would throw the cursor to the end.
    connect(this, &SFPDataMapperString::valueChanged, lineEdit, [lineEdit](const QString &value) {
        if (lineEdit->text() != value)
            lineEdit->setText(value);
    });
    connect(lineEdit, &QLineEdit::textEdited, this, &SFPDataMapperString::writeBack);
}

void SFPDataMapperString::update()
{
    SFPDataMapperWidget::update();
    QByteArray bytes = fieldBytes();
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    emit valueChanged(QString::fromUtf8(bytes));
}

void SFPDataMapperString::writeBack(const QString &text)
{
    if (!model_)
        return;
    // Characters outside Latin-1 become '?'; the rest of the field is zeros.
    QByteArray field = text.toLatin1().left(length_);
    field.append(QByteArray(length_ - field.size(), '\0'));
    writeField(field);
}
