#include "settingstesthelpers.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool qtHasCatalogue(const QString &language)
{
    return QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qt_" + language + ".qm");
}

// Stands in for the program's Russian catalogue, which the resources bring later.
class SettingsTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) != "SettingsDialog")
            return QString();
        const QByteArray text(sourceText);
        if (text == "None")
            return QString::fromUtf8("Без пароля");
        if (text == "Custom")
            return QString::fromUtf8("Пользовательский");
        if (text == "&Password:")
            return QString::fromUtf8("&Пароль:");
        return QString();
    }
};

QString saveButtonText(SettingsForm &form)
{
    return form.buttons->button(QDialogButtonBox::Save)->text();
}

}  // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void englishAtStartChangesNothing();
    void languageWithoutOurCatalogueLeavesOurTextsEnglish();
    void storedLanguageAppliesAndCancelReturnsToIt();
    void switchKeepsThePasswordChoiceAndPassword();
    void systemLocaleChangeFollowsTheSystem();

private:
    QTemporaryDir store;
};

void TestLanguageSwitch::initTestCase()
{
    QVERIFY(isolateSettings(store));
}

void TestLanguageSwitch::cleanupTestCase()
{
    letWidgetAnimationsEnd();
}

void TestLanguageSwitch::init()
{
    QSettings().clear();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void TestLanguageSwitch::englishAtStartChangesNothing()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);

    QCOMPARE(form.language->count(), 2);
    QCOMPARE(form.language->itemText(0), QString("English"));
    QCOMPARE(form.language->itemData(0).toString(), QString("en"));
    QCOMPARE(form.language->itemText(1), QString::fromUtf8("Русский"));
    QCOMPARE(form.language->itemData(1).toString(), QString("ru"));
    QCOMPARE(form.language->currentIndex(), 0);

    dialog.loadSettings();
    QCoreApplication::processEvents();
    QCOMPARE(QLocale().language(), QLocale::French);
    QCOMPARE(saveButtonText(form), QString("Save"));
}

void TestLanguageSwitch::languageWithoutOurCatalogueLeavesOurTextsEnglish()
{
    if (!qtHasCatalogue("ru"))
        QSKIP("Qt's Russian catalogue is not installed");
    SettingsDialog dialog;
    SettingsForm form(dialog);

    form.language->setCurrentIndex(1);
    QCOMPARE(QLocale().language(), QLocale::Russian);
    // Qt's own texts follow at once; ours have no catalogue yet and stay English.
    QTRY_COMPARE(saveButtonText(form), QString::fromUtf8("Сохранить"));
    QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - Settings"));
    QCOMPARE(form.password->itemText(0), QString("None"));

    // Back to English undoes Qt's catalogue as well.
    form.language->setCurrentIndex(0);
    QCOMPARE(QLocale().language(), QLocale::English);
    QTRY_COMPARE(saveButtonText(form), QString("Save"));
}

void TestLanguageSwitch::storedLanguageAppliesAndCancelReturnsToIt()
{
    if (!qtHasCatalogue("ru"))
        QSKIP("Qt's Russian catalogue is not installed");
    QSettings().setValue("gui/language", 1);
    SettingsDialog dialog;
    SettingsForm form(dialog);

    dialog.initialize();
    QVERIFY(form.waitForDiscovery());
    QCOMPARE(QLocale().language(), QLocale::Russian);

    QLocale::Language whileOpen = QLocale::AnyLanguage;
    form.run(QDialogButtonBox::Cancel, [&] {
        form.language->setCurrentIndex(0);
        whileOpen = QLocale().language();
    });
    QCOMPARE(whileOpen, QLocale::English);
    QCOMPARE(form.language->currentIndex(), 1);
    QCOMPARE(QLocale().language(), QLocale::Russian);
}

void TestLanguageSwitch::switchKeepsThePasswordChoiceAndPassword()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QSignalSpy passwords(&dialog, &SettingsDialog::passwordChanged);
    dialog.loadSettings();
    form.password->setCurrentIndex(SettingsDialog::kPasswordCustom);
    form.customPassword->clear();
    QTest::keyClicks(form.customPassword, "deadbeef");
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("DEADBEEF"));

    SettingsTranslator russian;
    QVERIFY(QCoreApplication::installTranslator(&russian));
    QTRY_COMPARE(form.password->itemText(0), QString::fromUtf8("Без пароля"));

    QCOMPARE(form.password->currentIndex(), int(SettingsDialog::kPasswordCustom));
    QCOMPARE(form.password->currentText(), QString::fromUtf8("Пользовательский"));
    QCOMPARE(form.password->itemText(1), QString("Zorvik 1"));
    QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - Settings"));
    QVERIFY(!form.customPassword->isHidden());
    QCOMPARE(form.customPassword->text(), QString("DE AD BE EF"));
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("DEADBEEF"));

    QCoreApplication::removeTranslator(&russian);
    QTRY_COMPARE(form.password->itemText(0), QString("None"));
    QCOMPARE(form.password->currentIndex(), int(SettingsDialog::kPasswordCustom));
    QCOMPARE(lastBytes(passwords), QByteArray::fromHex("DEADBEEF"));
}

void TestLanguageSwitch::systemLocaleChangeFollowsTheSystem()
{
    SettingsDialog dialog;
    SettingsForm form(dialog);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QEvent localeChange(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&dialog, &localeChange);

    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(form.language->currentText(), QString("English"));
    QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - Settings"));
    if (qtHasCatalogue("de"))
        QTRY_COMPARE(saveButtonText(form), QString("Speichern"));
}

int main(int argc, char *argv[])
{
    // The system language of this test is one with a Qt catalogue but
    // without a catalogue of the program's own.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestLanguageSwitch test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languageswitch.moc"
