// Built without the program's resources: no language has a catalogue of
// ours here, while Qt's own catalogues still load.

#include "settingstesthelpers.h"

#include <QApplication>

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

    QTemporaryDir store;

private slots:
    void initTestCase() { QVERIFY(isolateSettings(store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void englishUnloadsQtsCatalogueEvenWithoutOurs()
    {
        if (!QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qt_ru.qm"))
            QSKIP("Qt's Russian catalogue is not installed");
        QSettings().setValue("gui/language", 1);
        SettingsDialog dialog;
        SettingsForm form(dialog);
        QPushButton *save = form.buttons->button(QDialogButtonBox::Save);
        dialog.loadSettings();
        QCOMPARE(QLocale().language(), QLocale::Russian);
        QTRY_COMPARE(save->text(), QString::fromUtf8("Сохранить"));
        QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - Settings"));

        form.language->setCurrentIndex(0);
        QCOMPARE(QLocale().language(), QLocale::English);
        QTRY_COMPARE(save->text(), QString("Save"));
    }

    void systemLocaleChangeFollowsTheSystem()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        SettingsDialog dialog;
        SettingsForm form(dialog);
        // "English" made current with nothing loaded has nothing to undo.
        QCOMPARE(QLocale().language(), QLocale::French);

        QEvent localeChange(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&dialog, &localeChange);
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(form.language->currentText(), QString("English"));
        QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - Settings"));
    }
};

int main(int argc, char *argv[])
{
    // A system language that has no catalogue of the program's own.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestLanguageSwitch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languageswitch.moc"
