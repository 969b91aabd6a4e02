#pragma once
// Base of the mappers that show a field in an editor widget. The widget is
// usable only while a model of the mapper's table is bound.

#include "sfpdatamapper.h"

#include <QPointer>
#include <QWidget>

class SFPDataMapperWidget : public SFPDataMapper
{
    Q_OBJECT

public:
    SFPDataMapperWidget(QWidget *widget, int offset, int length, int table);

    QWidget *widget() const { return widget_; }

public slots:
    void update() override;

protected:
    // The field's bytes of the bound model; empty when unbound.
    QByteArray fieldBytes() const;
    // Stores bytes at the field's start and announces the change.
    void writeField(const QByteArray &bytes);

    QPointer<QWidget> widget_;
};
