#include "sfpdatamapperwidget.h"

#include "tableviewmodel.h"

SFPDataMapperWidget::SFPDataMapperWidget(QWidget *widget, int offset, int length, int table)
    : SFPDataMapper(offset, length, table)
    , widget_(widget)
{
}

void SFPDataMapperWidget::update()
{
    if (widget_)
        widget_->setEnabled(model_ != nullptr);
}

QByteArray SFPDataMapperWidget::fieldBytes() const
{
    if (!model_)
        return QByteArray();
    return model_->buffer().mid(offset_, length_);
}

void SFPDataMapperWidget::writeField(const QByteArray &bytes)
{
    if (!model_)
        return;
    QByteArray &buffer = model_->buffer();
    const int count = qMin(bytes.size(), length_);
    buffer.replace(offset_, count, bytes.constData(), count);
    notifyWritten();
}
