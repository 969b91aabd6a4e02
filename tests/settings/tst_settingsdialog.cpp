#include "d2xx.h"
#include "passwordlist.h"
#include "settingstesthelpers.h"
#include "simulatedbackend.h"

#include <QTableWidget>

namespace {

const QString kMasked(8, QChar(0x25CF));

// The list as the table shows it: "name: digits" per row.
QStringList shown(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + ": " + table->item(row, 1)->text();
    return rows;
}

QStringList namesOf(const PasswordCandidates &candidates)
{
    QStringList names;
    for (const PasswordCandidate &candidate : candidates)
        names << candidate.name + "=" + candidate.password.toHex();
    return names;
}

}  // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

    SettingsTestBed bed;
    std::shared_ptr<SimulatedBackend> &backend = bed.backend;

private slots:
    void initTestCase() { QVERIFY(isolateSettings(bed.store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }
    void init() { bed.reset(); }

    void firstStartWithAnEmptyStore()
    {
        // The first programmer found is selected: see tst_programmerdiscovery.
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
        dialog.initialize();

        QCOMPARE(form.password->currentText(), QString("None"));
        QCOMPARE(lastSent(passwords).toByteArray(), QByteArray());
        QCOMPARE(form.language->currentText(), QString("English"));
        QVERIFY(form.verify->isChecked());
        QVERIFY(form.customPassword->isHidden());
        QCOMPARE(form.customPassword->text(), QString("A7 3E 19 C4"));

        // "Custom" shows the field and sends its bytes in order; "None" hides
        // it, sends no password and keeps the text for later.
        form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
        QVERIFY(!form.customPassword->isHidden());
        QCOMPARE(lastSent(passwords).toByteArray(), QByteArray::fromHex("A73E19C4"));
        form.password->setCurrentIndex(SettingsDialog::kPasswordNone);
        QVERIFY(form.customPassword->isHidden());
        QCOMPARE(lastSent(passwords).toByteArray(), QByteArray());
        QCOMPARE(form.customPassword->text(), QString("A7 3E 19 C4"));
    }

    // The list: masked unless shown (presets never), added to with masked
    // digits, reordered, renamed, removed from; Save keeps it, and what a
    // part number took follows its entry's new name.
    void editingThePasswordList()
    {
        PasswordStore::remember("V", "P", "Zorvik 2");
        SettingsDialog dialog;
        SettingsForm form(dialog);
        dialog.loadSettings();
        auto *table = dialog.findChild<QTableWidget *>("tw_passwords");
        auto button = [&dialog](const char *name) { return dialog.findChild<QToolButton *>(name); };
        QCOMPARE(shown(table), QStringList({"Zorvik 1: " + kMasked, "Zorvik 2: " + kMasked,
                                            "SFF-8472 default: " + kMasked}));
        button("tb_password_show")->click();
        QCOMPARE(shown(table).last(), QString("SFF-8472 default: 00 00 10 11"));
        QCOMPARE(shown(table).first(), "Zorvik 1: " + kMasked);
        button("tb_password_show")->click();

        form.run(QDialogButtonBox::Save, [&] {
            button("tb_password_add")->click();
            auto *field = table->findChild<QLineEdit *>();
            QVERIFY(field);
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            QTest::keyClicks(field, "a1b2c3d4");
            QTest::keyClick(field, Qt::Key_Enter);
            QTRY_COMPARE(shown(table).last(), "Password 4: " + kMasked);  // committed on a later tick
            button("tb_password_up")->click();
            table->item(1, 0)->setText("Spare");
            table->item(0, 0)->setText("zorvik 1");  // taken in another case: kept as it was
            table->setCurrentCell(0, 0);
            button("tb_password_remove")->click();
        });
        QCOMPARE(shown(table), QStringList({"Spare: " + kMasked, "Password 4: " + kMasked,
                                            "SFF-8472 default: " + kMasked}));
        QStringList stored;
        for (const NamedPassword &entry : PasswordStore::load())
            stored << entry.name + "=" + entry.bytes().toHex();
        QCOMPARE(stored.mid(1), QStringList({"Password 4=a1b2c3d4", "SFF-8472 default=00001011"}));
        QCOMPARE(PasswordStore::remembered("V", "P"), QString("Spare"));
        QCOMPARE(PasswordStore::remembered("V", "Q"), QString());  // another part number of the vendor
    }

    // Automatic sends the list, edits included, and no fixed password;
    // Cancel puts the stored list back.
    void automaticSendsTheList()
    {
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
        QSignalSpy lists(&dialog, &SettingsDialog::passwordCandidatesChanged);
        dialog.loadSettings();
        auto *table = dialog.findChild<QTableWidget *>("tw_passwords");
        const QStringList first{"Zorvik 1=" + PasswordStore::load().at(0).bytes().toHex(),
                                "Zorvik 2=" + PasswordStore::load().at(1).bytes().toHex(), "SFF-8472 default=00001011"};
        form.run(QDialogButtonBox::Cancel, [&] {
            form.password->setCurrentIndex(SettingsDialog::kPasswordAutomatic);
            QCOMPARE(lastSent(passwords).toByteArray(), QByteArray());
            QCOMPARE(namesOf(lastSent(lists).value<PasswordCandidates>()), first);
            table->item(2, 0)->setText("Factory");
            QCOMPARE(namesOf(lastSent(lists).value<PasswordCandidates>()).last(), QString("Factory=00001011"));
        });
        QCOMPARE(namesOf(lastSent(lists).value<PasswordCandidates>()), first);
        form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);
        QVERIFY(lastSent(lists).value<PasswordCandidates>().isEmpty());
        QCOMPARE(lastSent(passwords).toByteArray().size(), 4);
    }

    void typedCustomPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("four pairs") << "01FE807C" << "01 FE 80 7C" << QByteArray::fromHex("01FE807C");
        QTest::newRow("lower case") << "01fe807c" << "01 FE 80 7C" << QByteArray::fromHex("01FE807C");
        QTest::newRow("not hex refused") << "z01x-fe807c" << "01 FE 80 7C" << QByteArray::fromHex("01FE807C");
        QTest::newRow("incomplete") << "123456" << "12 34 56 " << QByteArray();
    }

    void typedCustomPassword()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, sent);
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
        dialog.loadSettings();
        form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);

        // Incomplete text set by the program sends no password and is not red.
        form.customPassword->setText("12 34");
        QCOMPARE(lastSent(passwords).toByteArray(), QByteArray());
        QVERIFY(form.customPassword->styleSheet().isEmpty());

        form.customPassword->clear();
        QTest::keyClicks(form.customPassword, typed);
        QCOMPARE(form.customPassword->text(), shown);
        QCOMPARE(lastSent(passwords).toByteArray(), sent);
        QCOMPARE(form.customPassword->styleSheet(), QString(sent.isEmpty() ? "color: rgb(255, 0, 0);" : ""));
    }

    void cancelPutsTheStoredValuesBackButKeepsThePreset()
    {
        QSettings().setValue("gui/verify", true);
        QSettings().setValue("gui/custom_password", "11 22 33 44");
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
        QSignalSpy verifies(&dialog, &SettingsDialog::verifyChanged);
        dialog.loadSettings();

        QByteArray zorvik1, zorvik2;
        form.run(QDialogButtonBox::Cancel, [&] {
            form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik2);
            zorvik2 = lastSent(passwords).toByteArray();
            form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);
            zorvik1 = lastSent(passwords).toByteArray();
            form.verify->click();
            form.customPassword->setText("55 66 77 88");
        });

        QVERIFY(form.verify->isChecked());
        QCOMPARE(lastSent(verifies).toBool(), true);
        QCOMPARE(form.customPassword->text(), QString("11 22 33 44"));
        // Presets go out at once and are not stored, so Cancel leaves one in force.
        QCOMPARE(zorvik1.size(), 4);
        QCOMPARE(zorvik2.size(), 4);
        QVERIFY(zorvik1 != zorvik2);
        QCOMPARE(form.password->currentIndex(), int(SettingsDialog::kPasswordZorvik1));
        QCOMPARE(lastSent(passwords).toByteArray(), zorvik1);
        QCOMPARE(QSettings().value("gui/custom_password").toString(), QString("11 22 33 44"));
    }

    void saveKeepsWhatItCannotStore()
    {
        QSettings().setValue("gui/connection", 2);
        QSettings().setValue("gui/custom_password", "11 22 33 44");
        SettingsDialog dialog;
        SettingsForm form(dialog);
        dialog.initialize();  // no programmers attached
        QVERIFY(form.waitForDiscovery());

        form.run(QDialogButtonBox::Save, [&] {
            form.customPassword->setText("99 88");
            form.verify->click();
        });
        QSettings settings;
        QCOMPARE(settings.value("gui/connection").toInt(), 2);
        QCOMPARE(settings.value("gui/custom_password").toString(), QString("11 22 33 44"));
        QCOMPARE(settings.value("gui/verify").toBool(), false);

        backend->addProgrammer("PROG-A");
        form.refresh->click();
        QVERIFY(form.waitForDiscovery());
        form.run(QDialogButtonBox::Save, [&] {
            form.connection->setCurrentIndex(0);
            form.customPassword->setText("AB CD EF 01");
        });
        QCOMPARE(settings.value("gui/connection").toInt(), 0);
        QCOMPARE(settings.value("gui/custom_password").toString(), QString("AB CD EF 01"));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
