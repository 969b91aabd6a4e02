#include "hexgridview.h"

#include "tableviewcelldelegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

HexGridView::HexGridView(QWidget *parent) : QTableView(parent)
{
    // The view owns its delegate, so it goes with the view.
    setItemDelegate(new TableViewCellDelegate(this));
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(true);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Maximum);
    fitSections();
}

void HexGridView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    fitSections();
}

void HexGridView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitSections();
}

void HexGridView::fitSections()
{
    // Two digits and the editor's frame, whatever the font.
    const QFontMetrics metrics(font());
    const int cell = metrics.horizontalAdvance(QStringLiteral("0F")) + 10;
    horizontalHeader()->setDefaultSectionSize(cell);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    verticalHeader()->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("F0h")) + 16);
    updateGeometry();
}

QSize HexGridView::sizeHint() const
{
    const int columns = model() ? model()->columnCount() : 16;
    const int rows = model() ? model()->rowCount() : 8;
    const int width = verticalHeader()->width() + columns * horizontalHeader()->defaultSectionSize();
    const int height = horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize();
    const int frame = 2 * frameWidth();
    return {width + frame, height + frame};
}

QSize HexGridView::minimumSizeHint() const
{
    // Lower than the grid: a short window scrolls the rows.
    const QSize whole = sizeHint();
    return {whole.width(), horizontalHeader()->sizeHint().height() + 3 * verticalHeader()->defaultSectionSize()};
}

void HexGridView::commitEditor()
{
    if (auto *delegate = qobject_cast<TableViewCellDelegate *>(itemDelegate()))
        emit delegate->forceApply();
}
