#pragma once
// The Module tab: a whole module image, the tables and pages it holds in a
// list, the hex grid of the one selected. A region goes into a buffer and
// back. The tab also knows what the module in the socket holds, as last read
// or written, so that Write module sends only the regions that differ.

#include "documenttab.h"
#include "moduleimage.h"

namespace Ui {
class ModuleTab;
}
class BufferTab;
class ModuleDocument;

class ModuleTab : public DocumentTab
{
    Q_OBJECT

public:
    explicit ModuleTab(QWidget *parent = nullptr);
    ~ModuleTab() override;

    TableViewModel *model() const override;
    HexGridView *view() const override;
    EditHistory *history() const override { return history_; }
    QString name() const override;
    ModuleDocument *document() const { return document_; }
    // As high as the grid: the list and the commands beside it scroll or wrap.
    QSize sizeHint() const override;

    // The buffers a region is copied into and taken from.
    void setBuffers(const QList<BufferTab *> &buffers);

    // What the module holds as far as known; empty when unknown (a file was opened).
    void setModuleBytes(const sff::ModuleImage &image) { moduleBytes_ = image; }
    // The regions that differ from what the module holds: all when unknown.
    QList<sff::Region> changedRegions() const;

    void copyToBuffer(BufferTab *buffer);
    void takeFromBuffer(BufferTab *buffer);

signals:
    void bufferFilled(BufferTab *buffer);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showRegions();
    void showChosen();
    void fillBufferMenus();

    Ui::ModuleTab *ui;
    ModuleDocument *document_;
    EditHistory *history_;
    QList<BufferTab *> buffers_;
    sff::ModuleImage moduleBytes_;
};
