#include "fieldmappers.h"
#include "sfpdatamapperinteger.h"
#include "spinboxhidezero.h"
#include "tableviewmodel.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

quint8 sum8(const QByteArray &bytes, int begin, int end)
{
    quint8 sum = 0;
    for (int i = begin; i < end; ++i)
        sum += quint8(bytes.at(i));
    return sum;
}

// Every byte different and non-zero, with check codes that are wrong.
QByteArray sampleTable()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(0x80 + i);
    bytes[63] = char(sum8(bytes, 0, 63) + 1);
    bytes[95] = char(sum8(bytes, 64, 95) + 1);
    return bytes;
}

} // namespace

class TstFieldMappers : public QObject
{
    Q_OBJECT

private:
    QWidget *form_ = nullptr;
    FieldEditors editors_;
    QList<SFPDataMapper *> mappers_;
    TableViewModel *model_ = nullptr;

    QList<QWidget *> editorWidgets() const
    {
        return {editors_.le_vendor, editors_.le_part_number, editors_.le_serial_number,
                editors_.sb_length_smf, editors_.sb_length_mmf, editors_.sb_length_copper,
                editors_.sb_wavelength, editors_.dsb_speed};
    }
    SpinBoxHideZero *integerBox(int maximum)
    {
        auto *box = new SpinBoxHideZero(form_);
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setRange(0, maximum);
        form_->layout()->addWidget(box);
        return box;
    }
    QLineEdit *lineEdit()
    {
        auto *edit = new QLineEdit(form_);
        edit->setMaxLength(16);
        form_->layout()->addWidget(edit);
        return edit;
    }
    void bind(int table)
    {
        model_->setTable(table);
        for (SFPDataMapper *mapper : qAsConst(mappers_))
            mapper->setModel(model_);
    }
    void enter(QAbstractSpinBox *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    quint8 byte(int pos) const { return quint8(model_->buffer().at(pos)); }
    bool checkCodesHold() const
    {
        const QByteArray &b = model_->buffer();
        return quint8(b.at(63)) == sum8(b, 0, 63) && quint8(b.at(95)) == sum8(b, 64, 95);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The editors are set up as the main window's form sets them up.
    void init()
    {
        form_ = new QWidget;
        new QVBoxLayout(form_);
        editors_.le_vendor = lineEdit();
        editors_.le_part_number = lineEdit();
        editors_.le_serial_number = lineEdit();
        editors_.sb_length_smf = integerBox(255);
        editors_.sb_length_mmf = integerBox(2550);
        editors_.sb_length_copper = integerBox(255);
        editors_.sb_wavelength = integerBox(65535);
        auto *speed = new DoubleSpinBoxHideZero(form_);
        speed->setButtonSymbols(QAbstractSpinBox::NoButtons);
        speed->setDecimals(1);
        speed->setRange(0.0, 25.5);
        form_->layout()->addWidget(speed);
        editors_.dsb_speed = speed;
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));

        mappers_ = createFieldMappers(editors_);
        QCOMPARE(mappers_.size(), 11);
        model_ = new TableViewModel;
        model_->setBuffer(sampleTable());
        bind(TableViewModel::kTableA0Low);
    }
    void cleanup()
    {
        qDeleteAll(mappers_);
        mappers_.clear();
        delete model_;
        delete form_;
    }

    void typingTheVendorStoresLatin1PaddedWithZeros()
    {
        QSignalSpy cells(model_, &TableViewModel::dataChanged);
        editors_.le_vendor->clear();
        QTest::keyClicks(editors_.le_vendor, "ACME");
        QCOMPARE(model_->buffer().mid(20, 16), QByteArray("ACME") + QByteArray(12, '\0'));
        QVERIFY(checkCodesHold());
        // The table view hears of the whole field.
        QVERIFY(!cells.isEmpty());
        QCOMPARE(cells.last().at(0).toModelIndex(), model_->index(1, 4));
        QCOMPARE(cells.last().at(1).toModelIndex(), model_->index(2, 3));

        // Typing inside the text keeps the cursor where the operator types.
        editors_.le_vendor->setCursorPosition(2);
        QTest::keyClicks(editors_.le_vendor, "X");
        QCOMPARE(editors_.le_vendor->text(), QString("ACXME"));
        QCOMPARE(editors_.le_vendor->cursorPosition(), 3);
        QCOMPARE(model_->buffer().mid(20, 6), QByteArray("ACXME\0", 6));

        // One Latin-1 byte is not UTF-8, so it reads back as a replacement.
        editors_.le_part_number->clear();
        QTest::sendKeyEvent(QTest::Click, editors_.le_part_number, Qt::Key_Eacute,
                            QString(QChar(0xE9)), Qt::NoModifier);
        QCOMPARE(byte(40), quint8(0xE9));
        QCOMPARE(editors_.le_part_number->text(), QString(QChar::ReplacementCharacter));
        editors_.le_serial_number->clear();
        QTest::sendKeyEvent(QTest::Click, editors_.le_serial_number, Qt::Key_unknown,
                            QString(QChar(0x416)), Qt::NoModifier);
        QCOMPARE(byte(68), quint8('?'));
        QVERIFY(checkCodesHold());
    }

    void textFieldsShowTheirBytes()
    {
        QByteArray bytes = sampleTable();
        bytes.replace(20, 16, QByteArray("ACME") + QByteArray(12, ' '));
        bytes.replace(40, 16, QByteArray("0123456789ABCDEF"));
        bytes[68] = '\0';
        model_->pasteBuffer(bytes);
        QCOMPARE(editors_.le_vendor->text(), QString("ACME            "));
        QCOMPARE(editors_.le_part_number->text(), QString("0123456789ABCDEF"));
        QCOMPARE(editors_.le_serial_number->text(), QString());
    }

    void numericFields()
    {
        QByteArray bytes = sampleTable();
        bytes[12] = char(0x67);
        bytes[14] = 0;
        bytes[18] = 9;
        bytes[19] = 30;
        bytes[60] = 0x05;
        bytes[61] = 0x1E;
        model_->pasteBuffer(bytes);
        QCOMPARE(editors_.sb_wavelength->text(), QString("1310"));
        QCOMPARE(editors_.sb_length_mmf->text(), QString("300"));
        QCOMPARE(editors_.dsb_speed->text(), QString("10.3"));
        QCOMPARE(editors_.sb_length_smf->text(), QString());
        QCOMPARE(editors_.sb_length_copper->text(), QString("9"));

        enter(editors_.sb_wavelength, "1550");
        QCOMPARE(byte(60), quint8(0x06));
        QCOMPARE(byte(61), quint8(0x0E));

        enter(editors_.sb_length_mmf, "305");
        QCOMPARE(byte(19), quint8(30));
        QCOMPARE(editors_.sb_length_mmf->text(), QString("300"));

        enter(editors_.dsb_speed, "1.4");
        QCOMPARE(byte(12), quint8(14));
        enter(editors_.dsb_speed, "0.7");
        QCOMPARE(byte(12), quint8(7));
        model_->setData(model_->index(0, 12), "FF");
        QCOMPARE(editors_.dsb_speed->text(), QString("25.5"));

        enter(editors_.sb_length_copper, "");
        QCOMPARE(byte(18), quint8(0));
        QCOMPARE(editors_.sb_length_copper->text(), QString());
        enter(editors_.sb_length_smf, "40");
        QCOMPARE(byte(14), quint8(40));
        QVERIFY(checkCodesHold());
    }

    void checkCodesFollowResetsAndHandTypedValues()
    {
        QVERIFY(checkCodesHold());  // recomputed on binding

        // The reset announces the table checksum, the check codes announce
        // it again; the last announcement is the final value.
        QSignalSpy sums(model_, &TableViewModel::checksumChanged);
        model_->pasteBuffer(sampleTable());
        QVERIFY(checkCodesHold());
        QCOMPARE(sums.last().at(0).toString(),
                 QString("%1").arg(model_->checksum(), 4, 16, QLatin1Char('0')).toUpper());
        quint16 total = 0;
        for (char b : model_->buffer())
            total += quint8(b);
        QCOMPARE(model_->checksum(), total);

        model_->setData(model_->index(0, 5), "00");
        model_->setData(model_->index(4, 6), "00");  // byte 70
        QVERIFY(checkCodesHold());
        const quint8 code63 = byte(63);
        model_->setData(model_->index(3, 15), "00");  // byte 63 by hand
        QCOMPARE(byte(63), code63);
        model_->setData(model_->index(5, 15), "12");  // byte 95 by hand
        QVERIFY(checkCodesHold());
    }

    void highTablesLeaveEditorsBlankAndBytesAlone_data()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("A0 High") << int(TableViewModel::kTableA0High);
        QTest::newRow("A2 High") << int(TableViewModel::kTableA2High);
    }
    void highTablesLeaveEditorsBlankAndBytesAlone()
    {
        QFETCH(int, table);
        model_->setTable(table);
        model_->buffer() = sampleTable();
        bind(table);
        for (QWidget *editor : editorWidgets()) {
            QVERIFY(!editor->isEnabled());
            QCOMPARE(editor->property("text").toString(), QString());
        }
        model_->setData(model_->index(0, 1), "55");
        model_->setData(model_->index(4, 1), "55");
        QByteArray expected = sampleTable();
        expected[1] = 0x55;
        expected[65] = 0x55;
        QCOMPARE(model_->buffer(), expected);
    }

    void a2LowKeepsOnlyByte95()
    {
        model_->setTable(TableViewModel::kTableA2Low);
        model_->buffer() = sampleTable();
        bind(TableViewModel::kTableA2Low);
        for (QWidget *editor : editorWidgets()) {
            QVERIFY(!editor->isEnabled());
            QCOMPARE(editor->property("text").toString(), QString());
        }
        QCOMPARE(byte(63), quint8(sampleTable().at(63)));
        QCOMPARE(byte(95), sum8(model_->buffer(), 0, 95));
        model_->setData(model_->index(0, 10), "01");
        QCOMPARE(byte(95), sum8(model_->buffer(), 0, 95));
        QCOMPARE(byte(63), quint8(sampleTable().at(63)));

        // Back to A0 Low: the editors come back with the bytes.
        bind(TableViewModel::kTableA0Low);
        QVERIFY(editors_.le_vendor->isEnabled());
        QVERIFY(checkCodesHold());
    }

    void bindingTwiceDeliversAChangeOnce()
    {
        SpinBoxHideZero box;
        SFPDataMapperUInt8 mapper(&box, 14, TableViewModel::kTableA0Low);
        QSignalSpy values(&mapper, &SFPDataMapperUInt8::valueChanged);
        mapper.setModel(model_);
        mapper.setModel(model_);
        QCOMPARE(values.count(), 2);
        model_->setData(model_->index(0, 14), "21");
        QCOMPARE(values.count(), 3);
        QCOMPARE(values.last().at(0).toInt(), 0x21);
        model_->clear();
        QCOMPARE(values.count(), 4);

        // Unbinding stops the deliveries.
        mapper.setModel(nullptr);
        values.clear();
        model_->setData(model_->index(0, 14), "22");
        QCOMPARE(values.count(), 0);
        QVERIFY(!box.isEnabled());
    }
};

QTEST_MAIN(TstFieldMappers)
#include "tst_fieldmappers.moc"
