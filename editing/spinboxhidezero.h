#pragma once
// Spin boxes that show zero as an empty field and read an empty field as
// their minimum, so an absent value and a zero byte both look blank.

#include <QDoubleSpinBox>
#include <QSpinBox>

class SpinBoxHideZero : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBoxHideZero(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &text, int &pos) const override;
    QString textFromValue(int value) const override;
};

class DoubleSpinBoxHideZero : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DoubleSpinBoxHideZero(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &text, int &pos) const override;
    QString textFromValue(double value) const override;
};
