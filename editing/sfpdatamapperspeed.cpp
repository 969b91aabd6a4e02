#include "sfpdatamapperspeed.h"

#include <QDoubleSpinBox>

SFPDataMapperSpeed::SFPDataMapperSpeed(QDoubleSpinBox *spinBox, int offset, int table)
    : SFPDataMapperWidget(spinBox, offset, 1, table)
{
    connect(this, &SFPDataMapperSpeed::valueChanged, spinBox, &QDoubleSpinBox::setValue);
    connect(spinBox, &QAbstractSpinBox::editingFinished, this, &SFPDataMapperSpeed::writeBack);
}

void SFPDataMapperSpeed::update()
{
    SFPDataMapperWidget::update();
    const QByteArray field = fieldBytes();
    emit valueChanged(field.isEmpty() ? 0.0 : quint8(field.at(0)) / 10.0);
}

void SFPDataMapperSpeed::writeBack()
{
    auto *spinBox = qobject_cast<QDoubleSpinBox *>(widget_.data());
    if (!spinBox)
        return;
    writeField(QByteArray(1, char(qRound(spinBox->value() * 10) & 0xFF)));
}
