#pragma once
// A spin box that shows and accepts hexadecimal digits in upper case only.

#include <QSpinBox>

class SpinBoxUppercase : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBoxUppercase(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &text, int &pos) const override;
};
