#pragma once
// The Module panel: the decode of one buffer for the table it stands for, or
// of a whole module image at once, with what a host would make of it on top. Each finding with a mechanical
// fix has a button that makes the fix as an edit of the buffer. Fields with
// a warning or an error carry an icon and a colour, and say why.
//
// The panel follows every change of its buffer. Selecting a field announces
// its bytes; selectByte() selects the field that holds a byte.

#include "decoder.h"
#include "tableviewmodel.h"
#include "tuning.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace Ui {
class ModulePanel;
}
class QLabel;
class ModuleDocument;
class QTreeWidgetItem;

class ModulePanel : public QWidget
{
    Q_OBJECT

public:
    // Where a field's key is kept on its item (Qt::UserRole holds its place).
    static constexpr int kKeyRole = Qt::UserRole + 1;

    explicit ModulePanel(QWidget *parent = nullptr);
    ~ModulePanel() override;

    // The buffer to follow; nullptr shows nothing.
    void setModel(TableViewModel *model);
    TableViewModel *model() const { return model_; }
    // A whole module to follow: identification, diagnostics and pages
    // together. Selecting a field chooses its region in the document.
    void setDocument(ModuleDocument *document);

    // As much as the log asks for: the panel scrolls rather than take room
    // from the grid above it.
    QSize sizeHint() const override { return {480, 200}; }
    // Its wrapped texts must not make the window's layout hand it their
    // whole height at the grid's expense.
    bool hasHeightForWidth() const override { return false; }

public slots:
    // Selects the field that holds this byte of the buffer (0..127), or of
    // the document's chosen region.
    void selectByte(int index);

signals:
    // The operator selected a field: its bytes in the buffer.
    void bytesSelected(int first, int count);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitColumns();
    void fitFindings();
    void refresh();
    void addCheckCodesAsLoaded();
    void showFindings();
    void showFields();
    void showField(QTreeWidgetItem *item, const sff::Field &field);
    void showDetails();
    void announceSelection();
    void applyFix(const sff::Finding &finding);
    // Edits of the buffer's own bytes, through the model.
    void applyEdits(const QVector<sff::ByteEdit> &edits, const QString &what);
    void applyBufferEdits(const QVector<sff::ByteEdit> &edits);
    // A tunable module's page 02h in the buffer, and the tuning row for it.
    sff::Tuning tuning() const;
    void showTuning();
    QTreeWidgetItem *itemOfKey(const QString &key) const;
    // What is decoded, and the same as it was read or opened.
    sff::ModuleImage image() const;
    sff::ModuleImage loadedImage() const;
    void follow(TableViewModel *model, ModuleDocument *document);

    Ui::ModulePanel *ui;
    QLabel *familyLabel_ = nullptr;
    QPointer<TableViewModel> model_;
    QPointer<ModuleDocument> document_;
    QTimer refreshTimer_;
    sff::Decoded decoded_;
    bool selecting_ = false;
};
