#include "d2xx.h"
#include "settingstesthelpers.h"
#include "simulatedbackend.h"

#include <memory>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void firstStartWithAnEmptyStore();
    void customPasswordGivesTheTypedBytes();
    void incompleteCustomPasswordSendsNothingAndTurnsRedOnEdit();
    void leavingCustomHidesTheFieldAndKeepsTheText();
    void presetsGoOutAtOnce();
    void cancelPutsTheStoredValuesBack();
    void saveStoresTheWidgetsByTheirRules();

private:
    QTemporaryDir store;
    std::shared_ptr<SimulatedBackend> backend;
};

void TestSettingsDialog::initTestCase()
{
    QVERIFY(isolateSettings(store));
}

void TestSettingsDialog::cleanupTestCase()
{
    letWidgetAnimationsEnd();
}

void TestSettingsDialog::init()
{
    QSettings().clear();
    backend = std::make_shared<SimulatedBackend>();
    d2xx::installBackend(backend);
}

void TestSettingsDialog::cleanup()
{
    d2xx::removeAllBackends();
    backend.reset();
}

void TestSettingsDialog::firstStartWithAnEmptyStore()
{
    backend->addProgrammer("PROG-A");
    backend->addProgrammer("PROG-B");
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QVERIFY(form.complete());
    QSignalSpy serials(&dialog, &SettingsDialog::serialNumberChanged);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    QSignalSpy verifies(&dialog, &SettingsDialog::verifyChanged);

    dialog.initialize();
    QVERIFY(form.waitForDiscovery());

    QCOMPARE(form.customPassword->text(), QString("A7 3E 19 C4"));
    QVERIFY(form.customPassword->isHidden());
    QCOMPARE(form.password->currentText(), QString("None"));
    QCOMPARE(passwords.count(), 1);
    QCOMPARE(lastBytes(passwords), QByteArray());
    QCOMPARE(form.language->currentText(), QString("English"));
    QVERIFY(form.verify->isChecked());
    QCOMPARE(verifies.count(), 0);  // the worker's own default is already true
    QCOMPARE(form.connection->count(), 2);
    QCOMPARE(form.connection->currentText(), QString("PROG-A"));
    QCOMPARE(lastText(serials), QString("PROG-A"));
}

void TestSettingsDialog::customPasswordGivesTheTypedBytes()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    dialog.loadSettings();

    form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
    QVERIFY(!form.customPassword->isHidden());
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("A73E19C4"));

    form.customPassword->clear();
    QTest::keyClicks(form.customPassword, "01FE807C");
    QCOMPARE(form.customPassword->text(), QString("01 FE 80 7C"));
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("01FE807C"));

    form.customPassword->clear();
    QTest::keyClicks(form.customPassword, "01fe807c");
    QCOMPARE(form.customPassword->text(), QString("01 FE 80 7C"));
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("01FE807C"));
}

void TestSettingsDialog::incompleteCustomPasswordSendsNothingAndTurnsRedOnEdit()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    dialog.loadSettings();
    form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);

    // Text set by the program is not coloured.
    form.customPassword->setText("12 34");
    QCOMPARE(lastBytes(passwords), QByteArray());
    QVERIFY(form.customPassword->styleSheet().isEmpty());

    form.customPassword->setFocus();
    form.customPassword->end(false);
    QTest::keyClick(form.customPassword, Qt::Key_Backspace);
    QCOMPARE(lastBytes(passwords), QByteArray());
    QCOMPARE(form.customPassword->styleSheet(), QString("color: rgb(255, 0, 0);"));

    form.customPassword->clear();
    QTest::keyClicks(form.customPassword, "123456");
    QCOMPARE(lastBytes(passwords), QByteArray());
    QCOMPARE(form.customPassword->styleSheet(), QString("color: rgb(255, 0, 0);"));
    QTest::keyClicks(form.customPassword, "78");
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("12345678"));
    QVERIFY(form.customPassword->styleSheet().isEmpty());
}

void TestSettingsDialog::leavingCustomHidesTheFieldAndKeepsTheText()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    dialog.loadSettings();
    form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
    form.customPassword->setText("0A 0B 0C 0D");

    form.password->setCurrentIndex(SettingsDialog::kPasswordNone);
    QVERIFY(form.customPassword->isHidden());
    QCOMPARE(lastBytes(passwords), QByteArray());
    QCOMPARE(form.customPassword->text(), QString("0A 0B 0C 0D"));

    form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
    QVERIFY(!form.customPassword->isHidden());
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("0A0B0C0D"));
}

void TestSettingsDialog::presetsGoOutAtOnce()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    dialog.loadSettings();

    form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);
    const QByteArray first = lastBytes(passwords);
    form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik2);
    const QByteArray second = lastBytes(passwords);
    form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);

    QCOMPARE(first.size(), 4);
    QCOMPARE(second.size(), 4);
    QVERIFY(first != second);
    QCOMPARE(lastBytes(passwords), first);  // the same every time
    // Neither preset depends on the custom text.
    QVERIFY(first != QByteArray::fromHex("A73E19C4") && second != QByteArray::fromHex("A73E19C4"));
}

void TestSettingsDialog::cancelPutsTheStoredValuesBack()
{
    backend->addProgrammer("PROG-A");
    backend->addProgrammer("PROG-B");
    QSettings().setValue("gui/verify", true);
    QSettings().setValue("gui/custom_password", "11 22 33 44");
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy serials(&dialog, &SettingsDialog::serialNumberChanged);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    QSignalSpy verifies(&dialog, &SettingsDialog::verifyChanged);
    dialog.initialize();
    QVERIFY(form.waitForDiscovery());

    const int result = form.run(QDialogButtonBox::Cancel, [&] {
        form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);
        form.verify->click();
        form.connection->setCurrentIndex(1);
        form.customPassword->setText("55 66 77 88");
    });
    QCOMPARE(result, int(QDialog::Rejected));

    QVERIFY(form.verify->isChecked());
    QCOMPARE(verifies.count(), 2);
    QCOMPARE(verifies.last().at(0).toBool(), true);
    QCOMPARE(form.connection->currentText(), QString("PROG-A"));
    QCOMPARE(lastText(serials), QString("PROG-A"));
    QCOMPARE(form.customPassword->text(), QString("11 22 33 44"));
    // The preset is not stored, so Cancel leaves it and its password in force.
    QCOMPARE(form.password->currentIndex(), int(SettingsDialog::kPasswordZorvik1));
    QCOMPARE(lastBytes(passwords).size(), 4);
    form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik2);
    form.password->setCurrentIndex(SettingsDialog::kPasswordZorvik1);
    QCOMPARE(passwords.at(passwords.count() - 3).at(0).toByteArray(), lastBytes(passwords));

    QSettings settings;
    QCOMPARE(settings.value("gui/custom_password").toString(), QString("11 22 33 44"));
    QVERIFY(!settings.contains("gui/connection"));
}

void TestSettingsDialog::saveStoresTheWidgetsByTheirRules()
{
    QSettings().setValue("gui/connection", 2);
    QSettings().setValue("gui/custom_password", "11 22 33 44");
    SettingsDialog dialog;
    SettingsForm form(dialog);
    dialog.initialize();  // no programmers attached
    QVERIFY(form.waitForDiscovery());
    QCOMPARE(form.connection->count(), 0);

    const int result = form.run(QDialogButtonBox::Save, [&] {
        form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
        form.customPassword->setText("99 88");  // incomplete
        form.verify->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));

    QSettings settings;
    QCOMPARE(settings.value("gui/connection").toInt(), 2);
    QCOMPARE(settings.value("gui/custom_password").toString(), QString("11 22 33 44"));
    QCOMPARE(settings.value("gui/verify").toBool(), false);
    QCOMPARE(settings.value("gui/language").toInt(), 0);

    // A complete text and a current programmer are stored.
    backend->addProgrammer("PROG-A");
    QMetaObject::invokeMethod(&dialog, "on_tb_connection_refresh_clicked");
    QVERIFY(form.waitForDiscovery());
    form.run(QDialogButtonBox::Save, [&] {
        form.connection->setCurrentIndex(0);
        form.customPassword->setText("AB CD EF 01");
    });
    QCOMPARE(settings.value("gui/connection").toInt(), 0);
    QCOMPARE(settings.value("gui/custom_password").toString(), QString("AB CD EF 01"));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
