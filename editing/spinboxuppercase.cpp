#include "spinboxuppercase.h"

SpinBoxUppercase::SpinBoxUppercase(QWidget *parent)
    : QSpinBox(parent)
{
}

// The line edit validates every text it is given, the box's own formatting
// included, and takes over the changed text; so this also upper-cases the
// digits the box itself prints.
QValidator::State SpinBoxUppercase::validate(QString &text, int &pos) const
{
    text = text.toUpper();
    return QSpinBox::validate(text, pos);
}
