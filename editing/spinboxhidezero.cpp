#include "spinboxhidezero.h"

SpinBoxHideZero::SpinBoxHideZero(QWidget *parent)
    : QSpinBox(parent)
{
}

QValidator::State SpinBoxHideZero::validate(QString &text, int &pos) const
{
    if (text.isEmpty())
        return QValidator::Acceptable;
    return QSpinBox::validate(text, pos);
}

QString SpinBoxHideZero::textFromValue(int value) const
{
    return value == 0 ? QString() : QSpinBox::textFromValue(value);
}

DoubleSpinBoxHideZero::DoubleSpinBoxHideZero(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}

QValidator::State DoubleSpinBoxHideZero::validate(QString &text, int &pos) const
{
    if (text.isEmpty())
        return QValidator::Acceptable;
    return QDoubleSpinBox::validate(text, pos);
}

QString DoubleSpinBoxHideZero::textFromValue(double value) const
{
    return value == 0.0 ? QString() : QDoubleSpinBox::textFromValue(value);
}
