#include "moduletab.h"
#include "ui_moduletab.h"

#include "buffertab.h"
#include "edithistory.h"
#include "family.h"
#include "moduledocument.h"

#include <QEvent>
#include <QMenu>

Q_DECLARE_METATYPE(sff::ModuleImage)

ModuleTab::ModuleTab(QWidget *parent) : DocumentTab(parent), ui(new Ui::ModuleTab), document_(new ModuleDocument(this))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("module"));
    QMetaType::registerEqualsComparator<sff::ModuleImage>();
    ui->tv_region->setModel(document_->grid());
    // A wide window leaves its room beside the grid.
    ui->moduleLayout->addStretch(1);
    ui->lb_empty->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    ui->lw_regions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->tb_to_buffer->setMenu(new QMenu(ui->tb_to_buffer));
    ui->tb_from_buffer->setMenu(new QMenu(ui->tb_from_buffer));

    history_ = new EditHistory(
        document_,
        [this] {
            return QVariant(QVariantList{QVariant::fromValue(document_->image()), QVariant::fromValue(document_->loaded())});
        },
        [this](const QVariant &state) {
            const QVariantList parts = state.toList();
            document_->restore(parts.at(0).value<sff::ModuleImage>(), parts.at(1).value<sff::ModuleImage>());
        });
    connect(document_, &ModuleDocument::changed, history_, &EditHistory::noteChange);
    watchHistory();

    connect(document_, &ModuleDocument::regionsChanged, this, &ModuleTab::showRegions);
    connect(document_, &ModuleDocument::chosenChanged, this, &ModuleTab::showChosen);
    connect(ui->lw_regions, &QListWidget::currentRowChanged, this, [this](int row) {
        const QList<sff::Region> regions = document_->image().regions();
        if (row >= 0 && row < regions.size())
            document_->choose(regions.at(row));
    });
    showRegions();
}

ModuleTab::~ModuleTab()
{
    delete ui;
}

TableViewModel *ModuleTab::model() const
{
    return document_->grid();
}

HexGridView *ModuleTab::view() const
{
    return ui->tv_region;
}

QSize ModuleTab::sizeHint() const
{
    return {DocumentTab::sizeHint().width(), ui->tv_region->sizeHint().height()};
}

QString ModuleTab::name() const
{
    return tr("Module");
}

void ModuleTab::setBuffers(const QList<BufferTab *> &buffers)
{
    buffers_ = buffers;
    fillBufferMenus();
}

void ModuleTab::fillBufferMenus()
{
    ui->tb_to_buffer->menu()->clear();
    ui->tb_from_buffer->menu()->clear();
    for (BufferTab *buffer : qAsConst(buffers_)) {
        ui->tb_to_buffer->menu()->addAction(buffer->name(), this, [this, buffer] { copyToBuffer(buffer); });
        ui->tb_from_buffer->menu()->addAction(buffer->name(), this, [this, buffer] { takeFromBuffer(buffer); });
    }
}

void ModuleTab::showRegions()
{
    const sff::ModuleImage &image = document_->image();
    const sff::Family family = sff::familyOf(image);
    const QSignalBlocker block(ui->lw_regions);
    ui->lw_regions->clear();
    int widest = 0;
    for (const sff::Region &region : image.regions()) {
        const QString title = sff::regionTitle(region, family, sff::Words(sff::Language::Translated));
        ui->lw_regions->addItem(title);
        widest = qMax(widest, ui->lw_regions->fontMetrics().horizontalAdvance(title));
    }
    // Every title whole, and the buttons below as wide.
    const int width = qMax(qMax(ui->tb_from_buffer->sizeHint().width(), ui->tb_to_buffer->sizeHint().width()),
                           widest + 2 * ui->lw_regions->frameWidth() + 12);
    for (QWidget *column : {static_cast<QWidget *>(ui->lw_regions), static_cast<QWidget *>(ui->tb_to_buffer),
                            static_cast<QWidget *>(ui->tb_from_buffer)})
        column->setFixedWidth(width);
    const bool empty = image.isEmpty();
    ui->lb_empty->setVisible(empty);
    ui->tv_region->setEnabled(!empty);
    ui->tb_to_buffer->setEnabled(!empty);
    showChosen();
}

void ModuleTab::showChosen()
{
    const QSignalBlocker block(ui->lw_regions);
    ui->lw_regions->setCurrentRow(document_->image().regions().indexOf(document_->chosen()));
}

QList<sff::Region> ModuleTab::changedRegions() const
{
    QList<sff::Region> changed;
    const sff::ModuleImage &image = document_->image();
    for (const sff::Region &region : image.wholeRegions())
        if (!moduleBytes_.holdsRegion(region) || moduleBytes_.region(region) != image.region(region))
            changed.append(region);
    return changed;
}

void ModuleTab::copyToBuffer(BufferTab *buffer)
{
    if (document_->image().isEmpty())
        return;
    const sff::Region region = document_->chosen();
    const QByteArray bytes = document_->image().region(region);
    EditHistory::recordOn(buffer->model(), tr("Copy from the module"), [&] {
        buffer->model()->setRegion(region);
        buffer->model()->pasteBuffer(bytes);
    });
    emit bufferFilled(buffer);
}

void ModuleTab::takeFromBuffer(BufferTab *buffer)
{
    history_->record(tr("Take from %1").arg(buffer->name()),
                     [&] { document_->putRegion(buffer->model()->region(), buffer->model()->buffer()); });
}

void ModuleTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillBufferMenus();
        showRegions();
        emit captionChanged();
    }
    DocumentTab::changeEvent(event);
}
