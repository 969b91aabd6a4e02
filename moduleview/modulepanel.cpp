#include "modulepanel.h"
#include "ui_modulepanel.h"

#include "checkcodes.h"
#include "edithistory.h"
#include "memorymap.h"
#include "moduledocument.h"
#include "statuslook.h"
#include "tableviewmodel.h"
#include "tuning.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kRawShown = 4;
constexpr int kFindingsHeight = 120;

QString byteRange(const sff::Field &field)
{
    if (field.length == 1)
        return QString::number(field.offset);
    return QStringLiteral("%1-%2").arg(field.offset).arg(field.offset + field.length - 1);
}

QString hexByte(char byte)
{
    return QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
}

QString deviceName(quint8 device)
{
    return device == sff::kDeviceA0 ? QStringLiteral("A0h") : QStringLiteral("A2h");
}

}  // namespace

ModulePanel::ModulePanel(QWidget *parent) : QWidget(parent), ui(new Ui::ModulePanel)
{
    ui->setupUi(this);
    // Which memory map the fields are read by, above them.
    familyLabel_ = new QLabel(this);
    familyLabel_->setObjectName(QStringLiteral("lb_family"));
    ui->verticalLayout->insertWidget(0, familyLabel_);
    ui->sa_findings->hide();
    ui->tw_fields->installEventFilter(this);
    // The value takes the room the other columns leave; the raw bytes are
    // cut short there and given whole below the list.
    QHeaderView *header = ui->tw_fields->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::Stretch);

    // A change of the buffer comes in several signals (the cell, then the
    // check codes): decode once when they are all in.
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(0);
    connect(&refreshTimer_, &QTimer::timeout, this, &ModulePanel::refresh);
    connect(ui->tw_fields, &QTreeWidget::currentItemChanged, this, [this] {
        showDetails();
        announceSelection();
    });

    // The channel and the wavelength name the same setting: each follows the other.
    ui->w_tuning->hide();
    connect(ui->sb_channel, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int channel) {
        const QSignalBlocker block(ui->dsb_wavelength);
        ui->dsb_wavelength->setValue(sff::wavelengthOfThz(tuning().channelThz(channel)));
    });
    connect(ui->dsb_wavelength, &QDoubleSpinBox::editingFinished, this, [this] {
        if (const int channel = tuning().channelOfWavelength(ui->dsb_wavelength->value()))
            ui->sb_channel->setValue(channel);
        else
            ui->sb_channel->valueChanged(ui->sb_channel->value());  // back to the channel's own
    });
    connect(ui->pb_tune, &QPushButton::clicked, this,
            [this] { applyEdits(tuning().tuneTo(ui->sb_channel->value()), tr("Tuning")); });
}

ModulePanel::~ModulePanel()
{
    delete ui;
}

void ModulePanel::setModel(TableViewModel *model)
{
    follow(model, nullptr);
}

void ModulePanel::setDocument(ModuleDocument *document)
{
    follow(document ? document->grid() : nullptr, document);
}

void ModulePanel::follow(TableViewModel *model, ModuleDocument *document)
{
    if (model == model_ && document == document_)
        return;
    if (model_)
        disconnect(model_, nullptr, &refreshTimer_, nullptr);
    if (document_)
        disconnect(document_, nullptr, &refreshTimer_, nullptr);
    model_ = model;
    document_ = document;
    if (document_)
        connect(document_, &ModuleDocument::changed, &refreshTimer_, [this] { refreshTimer_.start(); });
    if (model_) {
        // The table checksum follows every change of the bytes and of the table.
        const auto schedule = [this] { refreshTimer_.start(); };
        connect(model_, &TableViewModel::checksumChanged, &refreshTimer_, schedule);
        connect(model_, &QAbstractItemModel::modelReset, &refreshTimer_, schedule);
        connect(model_, &QAbstractItemModel::dataChanged, &refreshTimer_, schedule);
    }
    refresh();
}

void ModulePanel::refresh()
{
    refreshTimer_.stop();
    if (document_)
        decoded_ = sff::decode(document_->image());
    else
        decoded_ = model_ ? sff::decodeRegion(model_->region(), model_->buffer()) : sff::Decoded();
    familyLabel_->setText(tr("Module family: %1")
                              .arg(sff::familyTitle(decoded_.family, sff::Words(sff::Language::Translated))));
    addCheckCodesAsLoaded();
    showFindings();
    showFields();
    showTuning();
}

sff::ModuleImage ModulePanel::image() const
{
    if (document_)
        return document_->image();
    return model_ ? sff::ModuleImage::fromRegion(model_->region(), model_->buffer()) : sff::ModuleImage();
}

sff::ModuleImage ModulePanel::loadedImage() const
{
    if (document_)
        return document_->loaded();
    return model_ ? sff::ModuleImage::fromRegion(model_->region(), model_->loaded()) : sff::ModuleImage();
}

sff::Tuning ModulePanel::tuning() const
{
    return sff::Tuning::of(image());
}

void ModulePanel::showTuning()
{
    const sff::Tuning t = tuning();
    ui->w_tuning->setVisible(t.held && t.channels() > 0);
    if (!ui->w_tuning->isVisibleTo(this))
        return;
    ui->sb_channel->setMaximum(t.channels());
    ui->dsb_wavelength->setRange(sff::wavelengthOfThz(t.lastThz), sff::wavelengthOfThz(t.firstThz));
    ui->sb_channel->setValue(t.hasChannel(t.channel) ? t.channel : 1);
    ui->sb_channel->valueChanged(ui->sb_channel->value());
}

void ModulePanel::addCheckCodesAsLoaded()
{
    // The buffer's check codes are kept right, so a module (or file) whose
    // codes were wrong would look sound: say what it held.
    if (!model_ && !document_)
        return;
    const sff::ModuleImage loaded = loadedImage();
    const sff::ModuleImage current = image();
    for (const sff::NamedCheckCode &code : sff::checkCodesOf(decoded_.family)) {
        const quint8 device = code.span.device;
        const int at = code.span.at;
        const sff::Page page{code.span.page};
        if (!loaded.holds(device, at, 1, page) || !current.holds(device, at, 1, page)
            || loaded.byte(device, at, page) == current.byte(device, at, page))
            continue;
        sff::Finding finding;
        finding.key = QStringLiteral("loaded_") + QString::fromLatin1(code.name).toLower();
        finding.status = sff::Status::Warning;
        finding.device = code.span.device;
        finding.offset = code.span.at;
        finding.text = tr("As read or opened, %1 was %2h, not %3h. The buffer holds the right one; a Write "
                          "puts it into the module.")
                           .arg(QString::fromLatin1(code.name), hexByte(char(loaded.byte(device, at, page))),
                                hexByte(char(current.byte(device, at, page))));
        decoded_.findings.prepend(finding);
    }
}

void ModulePanel::showFindings()
{
    // A row may hold the very button whose click led here: it goes later.
    QLayoutItem *old;
    while ((old = ui->findingsLayout->takeAt(0))) {
        if (QWidget *row = old->widget()) {
            row->hide();
            row->setObjectName(QString());
            row->deleteLater();
        }
        delete old;
    }
    for (const sff::Finding &finding : qAsConst(decoded_.findings)) {
        auto *row = new QFrame(ui->w_findings);
        row->setObjectName(QStringLiteral("finding:") + finding.key);
        row->setFrameShape(QFrame::StyledPanel);
        row->setAutoFillBackground(true);
        row->setPalette(statusPalette(row->palette(), finding.status));
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(4, 2, 4, 2);
        auto *icon = new QLabel(row);
        icon->setPixmap(statusIcon(finding.status).pixmap(16, 16));
        layout->addWidget(icon);
        auto *text = new QLabel(finding.text, row);
        text->setWordWrap(true);
        layout->addWidget(text, 1);
        if (!finding.fix.isEmpty()) {
            auto *fix = new QPushButton(finding.fixText, row);
            fix->setObjectName(QStringLiteral("fix:") + finding.key);
            connect(fix, &QPushButton::clicked, this, [this, finding] { applyFix(finding); });
            layout->addWidget(fix);
        }
        ui->findingsLayout->addWidget(row);
    }
    ui->findingsLayout->addStretch();
    ui->sa_findings->setVisible(!decoded_.findings.isEmpty());
    fitFindings();
}

void ModulePanel::showFields()
{
    // The same fields as before are updated in place, so that the selection
    // and the scroll position stay where the operator left them.
    QStringList keys;
    for (const sff::Field &field : qAsConst(decoded_.fields))
        keys.append(field.key);
    QStringList shownKeys;
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(ui->tw_fields); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() >= 0) {
            shownKeys.append((*it)->data(0, kKeyRole).toString());
            items.append(*it);
        }

    if (keys == shownKeys) {
        for (int i = 0; i < items.size(); ++i) {
            showField(items[i], decoded_.fields[i]);
            items[i]->parent()->setText(0, sff::sectionTitle(decoded_.fields[i].section));
        }
    } else {
        const QString selected = ui->tw_fields->currentItem()
                                     ? ui->tw_fields->currentItem()->data(0, kKeyRole).toString()
                                     : QString();
        selecting_ = true;
        ui->tw_fields->clear();
        QTreeWidgetItem *section = nullptr;
        for (int i = 0; i < decoded_.fields.size(); ++i) {
            const sff::Field &field = decoded_.fields[i];
            const QString title = sff::sectionTitle(field.section);
            if (!section || section->text(0) != title) {
                section = new QTreeWidgetItem(ui->tw_fields, {title});
                section->setData(0, Qt::UserRole, -1);
                section->setFirstColumnSpanned(true);
                QFont bold = section->font(0);
                bold.setBold(true);
                section->setFont(0, bold);
                section->setExpanded(true);
            }
            auto *item = new QTreeWidgetItem(section);
            item->setData(0, Qt::UserRole, i);
            item->setData(0, kKeyRole, field.key);
            showField(item, field);
        }
        if (QTreeWidgetItem *item = itemOfKey(selected))
            ui->tw_fields->setCurrentItem(item);
        selecting_ = false;
        fitColumns();
    }
    showDetails();
}

void ModulePanel::fitFindings()
{
    // As high as the findings at the panel's width, up to a few of them; more scroll.
    QLayout *layout = ui->findingsLayout;
    const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width())
                                                   : layout->totalSizeHint().height();
    ui->sa_findings->setFixedHeight(qMin(height, kFindingsHeight));
}

void ModulePanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitFindings();
}

void ModulePanel::fitColumns()
{
    for (int column : {0, 2, 3})
        ui->tw_fields->resizeColumnToContents(column);
    // Long names must not squeeze the values out of sight.
    const int widest = ui->tw_fields->viewport()->width() * 2 / 5;
    if (ui->tw_fields->columnWidth(0) > widest)
        ui->tw_fields->setColumnWidth(0, widest);
}

bool ModulePanel::eventFilter(QObject *watched, QEvent *event)
{
    // Fitted while hidden, the columns would be a few pixels wide.
    if (watched == ui->tw_fields && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void ModulePanel::showField(QTreeWidgetItem *item, const sff::Field &field)
{
    item->setText(0, field.name);
    item->setText(1, sff::shownValue(field));
    item->setText(2, byteRange(field));
    item->setText(3, QString::fromLatin1(field.raw.left(kRawShown).toHex(' ').toUpper())
                         + (field.raw.size() > kRawShown ? QStringLiteral(" ...") : QString()));
    item->setIcon(0, statusIcon(field.status));
    const bool marked = field.status != sff::Status::Ok;
    for (int column = 0; column < item->columnCount(); ++column) {
        item->setData(column, Qt::BackgroundRole, marked ? QVariant(statusBrush(field.status)) : QVariant());
        item->setData(column, Qt::ForegroundRole, marked ? QVariant(QBrush(Qt::black)) : QVariant());
        item->setToolTip(column, field.note.isEmpty() ? sff::shownValue(field)
                                                      : sff::shownValue(field) + QLatin1Char('\n') + field.note);
    }
}

void ModulePanel::showDetails()
{
    const QTreeWidgetItem *item = ui->tw_fields->currentItem();
    const int place = item ? item->data(0, Qt::UserRole).toInt() : -1;
    if (place < 0 || place >= decoded_.fields.size()) {
        ui->lb_details->setText(model_ && decoded_.fields.isEmpty() ? tr("This table holds no fields.")
                                                                     : tr("Select a field to see its bytes."));
        return;
    }
    const sff::Field &field = decoded_.fields[place];
    QString text = tr("%1: %2").arg(field.name, sff::shownValue(field)) + QLatin1Char('\n')
                   + tr("%1 bytes %2 (%3h): %4")
                         .arg(deviceName(field.device), byteRange(field),
                              QString::number(field.offset, 16).toUpper(),
                              QString::fromLatin1(field.raw.toHex(' ').toUpper()));
    if (!field.note.isEmpty())
        text += QLatin1Char('\n') + field.note;
    ui->lb_details->setText(text);
}

void ModulePanel::announceSelection()
{
    const QTreeWidgetItem *item = ui->tw_fields->currentItem();
    const int place = item ? item->data(0, Qt::UserRole).toInt() : -1;
    if (selecting_ || !model_ || place < 0 || place >= decoded_.fields.size())
        return;
    const sff::Field &field = decoded_.fields[place];
    const sff::Region region = sff::Region::holding(field.device, field.offset, sff::Page{field.page});
    if (document_)
        document_->choose(region);
    if (region == model_->region())
        emit bytesSelected(field.offset - region.firstByte(), qMin(field.length, region.firstByte() + sff::kHalfSize - field.offset));
}

void ModulePanel::selectByte(int index)
{
    if (!model_)
        return;
    const sff::Region region = model_->region();
    const int offset = region.firstByte() + index;
    const int page = region.isPaged() ? region.page.number : sff::kNoPage;
    for (int i = 0; i < decoded_.fields.size(); ++i) {
        if (!decoded_.fields[i].covers(region.device, offset) || (region.upper && decoded_.fields[i].page != page))
            continue;
        QTreeWidgetItem *item = itemOfKey(decoded_.fields[i].key);
        selecting_ = true;
        ui->tw_fields->setCurrentItem(item);
        ui->tw_fields->scrollToItem(item);
        selecting_ = false;
        return;
    }
}

QTreeWidgetItem *ModulePanel::itemOfKey(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(ui->tw_fields); *it; ++it)
        if ((*it)->data(0, kKeyRole).toString() == key)
            return *it;
    return nullptr;
}

void ModulePanel::applyFix(const sff::Finding &finding)
{
    applyEdits(finding.fix, tr("Fix"));
}

void ModulePanel::applyEdits(const QVector<sff::ByteEdit> &edits, const QString &what)
{
    // One step of the buffer's (or the module's) undo history.
    if (document_) {
        EditHistory::recordOn(document_, what, [&] { document_->applyEdits(edits); });
        return;
    }
    if (!model_)
        return;
    EditHistory::recordOn(model_, what, [&] { applyBufferEdits(edits); });
}

void ModulePanel::applyBufferEdits(const QVector<sff::ByteEdit> &edits)
{
    const sff::Region region = model_->region();
    const int first = region.firstByte();
    const int columns = model_->columnCount();
    for (const sff::ByteEdit &edit : edits) {
        if (edit.device != region.device)
            continue;
        for (int i = 0; i < edit.bytes.size(); ++i) {
            const int index = edit.offset + i - first;
            // A byte of the upper half belongs to one page only.
            if (index < 0 || index >= sff::kTableSize || (region.upper && edit.page != region.page))
                continue;
            model_->setData(model_->index(index / columns, index % columns),
                            QString::number(quint8(edit.bytes.at(i)), 16), Qt::EditRole);
        }
    }
}

void ModulePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        refresh();  // names and values come from the catalogue too
    }
    QWidget::changeEvent(event);
}
