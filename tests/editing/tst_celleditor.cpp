#include "spinboxhidezero.h"
#include "spinboxuppercase.h"
#include "tableviewcelldelegate.h"
#include "tableviewmodel.h"

#include <QTableView>
#include <QtTest>

class TstCellEditor : public QObject
{
    Q_OBJECT

private:
    TableViewModel *model_ = nullptr;
    TableViewCellDelegate *delegate_ = nullptr;
    QTableView *view_ = nullptr;

    SpinBoxUppercase *openEditor(int row, int column)
    {
        view_->edit(model_->index(row, column));
        return view_->viewport()->findChild<SpinBoxUppercase *>();
    }
    quint8 byte(int pos) const { return quint8(model_->buffer().at(pos)); }

private slots:
    void init()
    {
        model_ = new TableViewModel(this);
        delegate_ = new TableViewCellDelegate(this);
        view_ = new QTableView;
        view_->setModel(model_);
        view_->setItemDelegate(delegate_);
        view_->resize(600, 300);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_));
    }
    void cleanup()
    {
        delete view_;
        delete delegate_;
        delete model_;
    }

    void doubleClickTypeAndEnter()
    {
        model_->buffer()[0x23] = char(0x0A);
        const QModelIndex index = model_->index(2, 3);
        const QPoint centre = view_->visualRect(index).center();
        // The first click selects, the double click opens the editor.
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, centre);
        auto *editor = view_->viewport()->findChild<SpinBoxUppercase *>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("A"));
        QCOMPARE(editor->alignment(), Qt::AlignCenter);
        QCOMPARE(editor->buttonSymbols(), QAbstractSpinBox::NoButtons);

        QTest::keyClicks(editor, "ff");
        QCOMPARE(editor->text(), QString("FF"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(model_->data(index).toString(), QString("FF"));
        QCOMPARE(byte(0x23), quint8(0xFF));
    }

    void zeroCellShowsZeroAndEscapeDiscards()
    {
        SpinBoxUppercase *editor = openEditor(0, 0);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("0"));
        QTest::keyClicks(editor, "7b");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(byte(0), quint8(0));
    }

    void forceApplyCommitsWhatIsTyped()
    {
        model_->buffer()[0x45] = char(0x11);
        QPointer<SpinBoxUppercase> editor = openEditor(4, 5);
        QVERIFY(editor);
        QTest::keyClicks(editor, "3c");
        QCOMPARE(byte(0x45), quint8(0x11));

        emit delegate_->forceApply();
        QCOMPARE(byte(0x45), quint8(0x3C));
        QVERIFY(!view_->indexWidget(model_->index(4, 5)));
        QTRY_VERIFY(editor.isNull());

        // With no editor open it has nothing to do.
        emit delegate_->forceApply();
        QCOMPARE(byte(0x45), quint8(0x3C));
    }

    void hideZeroBoxes()
    {
        SpinBoxHideZero box;
        box.setRange(0, 255);
        box.show();
        QCOMPARE(box.text(), QString());
        box.setValue(7);
        QCOMPARE(box.text(), QString("7"));
        box.setValue(0);
        QCOMPARE(box.text(), QString());

        box.setValue(42);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QString());
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.value(), 0);
        QCOMPARE(box.text(), QString());

        DoubleSpinBoxHideZero speed;
        speed.setDecimals(1);
        speed.setRange(0.0, 25.5);
        speed.show();
        QDoubleSpinBox plain;
        plain.setDecimals(1);
        plain.setValue(0.1);
        QVERIFY(!plain.text().isEmpty());
        QCOMPARE(speed.text(), QString());
        speed.setValue(0.1);
        QCOMPARE(speed.text(), plain.text());
        speed.selectAll();
        QTest::keyClick(&speed, Qt::Key_Backspace);
        QTest::keyClick(&speed, Qt::Key_Return);
        QCOMPARE(speed.value(), 0.0);
        QCOMPARE(speed.text(), QString());
    }
};

QTEST_MAIN(TstCellEditor)
#include "tst_celleditor.moc"
