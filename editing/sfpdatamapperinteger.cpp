#include "sfpdatamapperinteger.h"

#include <QSpinBox>

namespace {

int spinBoxValue(const QPointer<QWidget> &widget)
{
    auto *spinBox = qobject_cast<QSpinBox *>(widget.data());
    return spinBox ? spinBox->value() : 0;
}

int byteAt(const QByteArray &field, int i)
{
    return i < field.size() ? quint8(field.at(i)) : 0;
}

} // namespace

SFPDataMapperUInt8::SFPDataMapperUInt8(QSpinBox *spinBox, int offset, int table)
    : SFPDataMapperWidget(spinBox, offset, 1, table)
{
    connect(this, &SFPDataMapperUInt8::valueChanged, spinBox, &QSpinBox::setValue);
    connect(spinBox, &QAbstractSpinBox::editingFinished, this, &SFPDataMapperUInt8::writeBack);
}

void SFPDataMapperUInt8::update()
{
    SFPDataMapperWidget::update();
    emit valueChanged(byteAt(fieldBytes(), 0));
}

void SFPDataMapperUInt8::writeBack()
{
    writeField(QByteArray(1, char(spinBoxValue(widget_) & 0xFF)));
}

SFPDataMapperUInt16::SFPDataMapperUInt16(QSpinBox *spinBox, int offset, int table)
    : SFPDataMapperWidget(spinBox, offset, 2, table)
{
    connect(this, &SFPDataMapperUInt16::valueChanged, spinBox, &QSpinBox::setValue);
    connect(spinBox, &QAbstractSpinBox::editingFinished, this, &SFPDataMapperUInt16::writeBack);
}

void SFPDataMapperUInt16::update()
{
    SFPDataMapperWidget::update();
    const QByteArray field = fieldBytes();
    emit valueChanged(byteAt(field, 0) * 256 + byteAt(field, 1));
}

void SFPDataMapperUInt16::writeBack()
{
    const int value = spinBoxValue(widget_);
    QByteArray field(2, '\0');
    field[0] = char((value >> 8) & 0xFF);
    field[1] = char(value & 0xFF);
    writeField(field);
}

SFPDataMapperMMF::SFPDataMapperMMF(QSpinBox *spinBox, int offset, int table)
    : SFPDataMapperWidget(spinBox, offset, 1, table)
{
    connect(this, &SFPDataMapperMMF::valueChanged, spinBox, &QSpinBox::setValue);
    connect(spinBox, &QAbstractSpinBox::editingFinished, this, &SFPDataMapperMMF::writeBack);
}

void SFPDataMapperMMF::update()
{
    SFPDataMapperWidget::update();
    emit valueChanged(byteAt(fieldBytes(), 0) * 10);
}

void SFPDataMapperMMF::writeBack()
{
    // Whole tens only; the refresh shows the operator what was kept.
    writeField(QByteArray(1, char((spinBoxValue(widget_) / 10) & 0xFF)));
}
