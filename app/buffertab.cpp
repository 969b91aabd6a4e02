#include "buffertab.h"

#include "edithistory.h"
#include "hexgridview.h"
#include "tableviewmodel.h"

#include <QHBoxLayout>

BufferTab::BufferTab(int number, QWidget *parent)
    : DocumentTab(parent), number_(number), model_(new TableViewModel(this)), view_(new HexGridView(this))
{
    setObjectName(QStringLiteral("buffer%1").arg(number));
    view_->setModel(model_);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 0, Qt::AlignTop);
    layout->addStretch();

    // A step keeps the bytes and the bytes as loaded, which the Module
    // panel compares for the check codes.
    history_ = new EditHistory(
        model_, [this] { return QVariant(QVariantList{model_->buffer(), model_->loaded()}); },
        [this](const QVariant &state) {
            const QVariantList parts = state.toList();
            model_->restore(parts.at(0).toByteArray(), parts.at(1).toByteArray());
        });
    connect(model_, &TableViewModel::checksumChanged, history_, &EditHistory::noteChange);
    watchHistory();
}

QString BufferTab::name() const
{
    return tr("Buffer %1").arg(number_);
}
