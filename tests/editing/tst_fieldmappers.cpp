#include "fieldmappers.h"
#include "sfpdatamapperinteger.h"
#include "spinboxhidezero.h"
#include "tableviewmodel.h"
#include "testbytes.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Any table: no zero bytes, and check codes that are wrong.
const QByteArray kSample(128, 'Z');

} // namespace

class TstFieldMappers : public QObject
{
    Q_OBJECT

private:
    QWidget form_;
    FieldEditors editors_;
    QList<SFPDataMapper *> mappers_;
    TableViewModel model_;

    // Each editor by the offset of its field.
    QMap<int, QWidget *> fields() const
    {
        return {{20, editors_.le_vendor}, {40, editors_.le_part_number}, {68, editors_.le_serial_number},
                {14, editors_.sb_length_smf}, {19, editors_.sb_length_mmf}, {18, editors_.sb_length_copper},
                {60, editors_.sb_wavelength}, {12, editors_.dsb_speed}};
    }
    void bind(int table)
    {
        model_.setTable(table);
        for (SFPDataMapper *mapper : qAsConst(mappers_))
            mapper->setModel(&model_);
    }

private slots:
    // The editors as the main window's form sets them up.
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        auto *speed = new DoubleSpinBoxHideZero(&form_);
        speed->setDecimals(1);
        speed->setMaximum(25.5);
        editors_ = {new QLineEdit(&form_),       new QLineEdit(&form_),       new QLineEdit(&form_),
                    new SpinBoxHideZero(&form_), new SpinBoxHideZero(&form_), new SpinBoxHideZero(&form_),
                    new SpinBoxHideZero(&form_), speed};
        for (QSpinBox *box : form_.findChildren<QSpinBox *>())
            box->setMaximum(65535);
        form_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form_));
        mappers_ = createFieldMappers(editors_);
    }
    void cleanupTestCase() { qDeleteAll(mappers_); }
    void init() { bind(TableViewModel::kTableA0Low); }

    // The field's bytes and what it shows; what the operator types, ending
    // with Enter, and the bytes stored and shown then.
    void fieldsShowAndStoreTheirBytes_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shownAfter");
        const auto hex = [](const char *digits) { return QByteArray::fromHex(digits); };
        const QByteArray acme = QByteArray("ACME").leftJustified(16, '\0');
        QTest::newRow("vendor") << 20 << QByteArray("ACME            ") << "ACME            " << "ACME" << acme
                                << "ACME";
        QTest::newRow("serial, empty before") << 68 << QByteArray("\0XYZ", 4) << "" << "ACME" << acme << "ACME";
        QTest::newRow("wavelength") << 60 << hex("051E") << "1310" << "1550" << hex("060E") << "1550";
        QTest::newRow("MMF in tens") << 19 << hex("1E") << "300" << "305" << hex("1E") << "300";
        QTest::newRow("speed") << 12 << hex("67") << "10.3" << "1.4" << hex("0E") << "1.4";
        QTest::newRow("top speed") << 12 << hex("FF") << "25.5" << "0.7" << hex("07") << "0.7";
        QTest::newRow("speed cleared") << 12 << hex("67") << "10.3" << "" << hex("00") << "";
        QTest::newRow("SMF cleared") << 14 << hex("09") << "9" << "" << hex("00") << "";
        QTest::newRow("blank copper") << 18 << hex("00") << "" << "40" << hex("28") << "40";
    }
    void fieldsShowAndStoreTheirBytes()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, before);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shownAfter);
        model_.pasteBuffer(QByteArray(kSample).replace(offset, before.size(), before));
        QWidget *editor = fields().value(offset);
        QCOMPARE(editor->property("text").toString(), shown);
        QMetaObject::invokeMethod(editor, "selectAll");
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(model_.buffer().mid(offset, stored.size()), stored);
        QCOMPARE(editor->property("text").toString(), shownAfter);
        QCOMPARE(quint8(model_.buffer().at(63)), checkCode(model_.buffer(), 0, 63));
        QCOMPARE(quint8(model_.buffer().at(95)), checkCode(model_.buffer(), 64, 95));
    }

    void typingInsideATextFieldKeepsTheCursor()
    {
        model_.pasteBuffer(QByteArray("ACME").leftJustified(16, '\0').prepend(QByteArray(20, '\0')));
        QLineEdit *vendor = editors_.le_vendor;
        vendor->setCursorPosition(2);
        QTest::keyClicks(vendor, "X");
        QCOMPARE(vendor->text(), QString("ACXME"));
        QCOMPARE(vendor->cursorPosition(), 3);
        QCOMPARE(model_.buffer().mid(20, 5), QByteArray("ACXME"));
    }

    // After a reset, and after bytes 63 and 95 are typed by hand: where the
    // sums kept in 63 and 95 begin (-1: the byte is left alone).
    void checkCodesFollowTheTable_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("sumInto63From");
        QTest::addColumn<int>("sumInto95From");
        QTest::newRow("A0 Low") << int(TableViewModel::kTableA0Low) << 0 << 64;
        QTest::newRow("A0 High") << int(TableViewModel::kTableA0High) << -1 << -1;
        QTest::newRow("A2 Low") << int(TableViewModel::kTableA2Low) << -1 << 0;
        QTest::newRow("A2 High") << int(TableViewModel::kTableA2High) << -1 << -1;
    }
    void checkCodesFollowTheTable()
    {
        QFETCH(int, table);
        QFETCH(int, sumInto63From);
        QFETCH(int, sumInto95From);
        const auto withCheckCodes = [=](QByteArray bytes) {
            bytes[63] = sumInto63From < 0 ? bytes.at(63) : char(checkCode(bytes, sumInto63From, 63));
            bytes[95] = sumInto95From < 0 ? bytes.at(95) : char(checkCode(bytes, sumInto95From, 95));
            return bytes;
        };
        bind(table);
        model_.pasteBuffer(kSample);
        QCOMPARE(model_.buffer(), withCheckCodes(kSample));
        for (QWidget *editor : fields()) {
            QCOMPARE(editor->isEnabled(), table == TableViewModel::kTableA0Low);
            QCOMPARE(editor->property("text").toString().isEmpty(), table != TableViewModel::kTableA0Low);
        }
        model_.setData(model_.index(3, 15), "12");
        model_.setData(model_.index(5, 15), "12");
        QByteArray typed = kSample;
        typed[63] = typed[95] = 0x12;
        QCOMPARE(model_.buffer(), withCheckCodes(typed));
    }

    void bindingTwiceDeliversAChangeOnce()
    {
        SpinBoxHideZero box;
        SFPDataMapperUInt8 mapper(&box, 14, TableViewModel::kTableA0Low);
        QSignalSpy values(&mapper, &SFPDataMapperUInt8::valueChanged);
        mapper.setModel(&model_);
        mapper.setModel(&model_);
        QCOMPARE(values.count(), 2);  // one refresh each
        model_.setData(model_.index(0, 14), "21");
        model_.clear();
        QCOMPARE(values.count(), 4);
    }
};

QTEST_MAIN(TstFieldMappers)
#include "tst_fieldmappers.moc"
