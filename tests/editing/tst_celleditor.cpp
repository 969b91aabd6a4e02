#include "spinboxuppercase.h"
#include "tableviewcelldelegate.h"
#include "tableviewmodel.h"

#include <QTableView>
#include <QtTest>

class TstCellEditor : public QObject
{
    Q_OBJECT

private:
    TableViewModel model_;
    TableViewCellDelegate delegate_;
    QTableView view_;

    SpinBoxUppercase *editor() const { return view_.viewport()->findChild<SpinBoxUppercase *>(); }

private slots:
    void initTestCase()
    {
        view_.setModel(&model_);
        view_.setItemDelegate(&delegate_);
        view_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view_));
    }

    void doubleClickTypeAndEnter()
    {
        model_.setData(model_.index(2, 3), "0A");
        const QPoint centre = view_.visualRect(model_.index(2, 3)).center();
        // The first click selects, the double click opens the editor.
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(editor());
        QCOMPARE(editor()->text(), QString("A"));
        QTest::keyClicks(editor(), "ff");
        QCOMPARE(editor()->text(), QString("FF"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_COMPARE(model_.data(model_.index(2, 3)).toString(), QString("FF"));
    }

    // As the Write command does before it takes the buffer.
    void forceApplyCommitsWhatIsTyped()
    {
        view_.edit(model_.index(4, 5));
        QPointer<SpinBoxUppercase> open = editor();
        QVERIFY(open);
        QCOMPARE(open->text(), QString("0"));  // no zero hiding here
        QTest::keyClicks(open, "3c");
        QCOMPARE(model_.buffer().at(0x45), '\0');
        emit delegate_.forceApply();
        QCOMPARE(model_.buffer().at(0x45), char(0x3C));
        QTRY_VERIFY(open.isNull());
        emit delegate_.forceApply();  // the closed editor no longer listens
        QCOMPARE(model_.buffer().at(0x45), char(0x3C));
    }
};

QTEST_MAIN(TstCellEditor)
#include "tst_celleditor.moc"
