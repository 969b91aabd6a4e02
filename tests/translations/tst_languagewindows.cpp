// Switching the whole program to Russian with the real catalogue, the way
// the operator does it: in the settings dialog opened from the main window.

#include "../settings/settingstesthelpers.h"
#include "aboutdialog.h"
#include "samplemodule.h"
#include "simulatedmodule.h"
#include "simulatorfixture.h"
#include "../app/windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

bool qtHasRussianCatalogue()
{
    return QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qt_ru.qm");
}

// Everything of the main window an operator reads off it besides the log.
struct WindowState {
    QStringList tabs, tables, menuBar, tools;
    QString table, checksum, rangeStart, rangeStop;
    QStringList fields;
    QList<QByteArray> buffers;
    QList<int> bufferTables;
};

const char *const kFieldEditors[] = {"le_vendor",     "le_part_number", "le_serial_number", "sb_length_smf",
                                     "sb_length_mmf", "sb_length_copper", "sb_wavelength",  "dsb_speed"};

// The letters that Alt selects among the given texts, with the ones used twice.
QStringList repeatedMnemonics(const QStringList &texts)
{
    QMap<int, QStringList> owners;
    for (const QString &text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            owners[key[0]].append(text);
    }
    QStringList repeated;
    for (const QStringList &sharing : qAsConst(owners))
        if (sharing.size() > 1)
            repeated.append(sharing.join(" / "));
    return repeated;
}

QStringList mnemonicTexts(QWidget *window)
{
    QStringList texts;
    for (QLabel *label : window->findChildren<QLabel *>())
        texts.append(label->text());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts.append(button->text());
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            texts.append(tabs->tabText(i));
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window))
        for (QAction *entry : mainWindow->menuBar()->actions())
            texts.append(entry->text());
    return texts;
}

}  // namespace

class TestLanguageWindows : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir store;
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<ModalAnswerer> answers;
    SettingsDialog *settings = nullptr;
    std::unique_ptr<SettingsForm> form;

    bool openWindow()
    {
        window = std::make_unique<MainWindow>();
        ui = std::make_unique<WindowDriver>(*window);
        window->show();
        window->initSettings();
        if (!ui->waitForProgrammers(1))
            return false;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<SettingsDialog *>(w))
                settings = dialog;
        if (!settings)
            return false;
        form = std::make_unique<SettingsForm>(*settings);
        return form->complete();
    }

    // Qt posts the language change to every window; let it arrive.
    void chooseLanguage(int index)
    {
        form->language->setCurrentIndex(index);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    QAction *menuBarEntry(int position) const { return window->menuBar()->actions().at(position); }

    // Opens the settings dialog from the menu bar, does `whileOpen` in it and
    // leaves it with `button`; the window then saves or reloads the settings.
    void inSettings(QDialogButtonBox::StandardButton button, const std::function<void()> &whileOpen)
    {
        QTimer::singleShot(0, settings, [this, button, whileOpen] {
            whileOpen();
            form->buttons->button(button)->click();
        });
        menuBarEntry(1)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    WindowState windowState() const
    {
        WindowState s;
        for (int i = 0; i < ui->buffers->count(); ++i) {
            s.tabs.append(ui->buffers->tabText(i));
            s.buffers.append(ui->model(i)->buffer());
            s.bufferTables.append(ui->model(i)->table());
        }
        for (int i = 0; i < ui->table->count(); ++i)
            s.tables.append(ui->table->itemText(i));
        for (QAction *entry : window->menuBar()->actions())
            s.menuBar.append(entry->text());
        for (QToolButton *tool : {ui->newButton, ui->openButton, ui->saveButton, ui->readButton, ui->writeButton})
            s.tools.append(tool->text());
        s.table = ui->table->currentText();
        s.checksum = ui->checksum->text();
        s.rangeStart = ui->addressStart->text();
        s.rangeStop = ui->addressStop->text();
        for (const char *name : kFieldEditors) {
            if (auto *edit = window->findChild<QLineEdit *>(name))
                s.fields.append(edit->text());
            else
                s.fields.append(window->findChild<QAbstractSpinBox *>(name)->text());
        }
        return s;
    }

    // Buffer 1 read as "A0 Low", so the fields show a module; buffer 2 read
    // as "A2 High"; buffer 1 current.
    bool readTwoBuffers()
    {
        if (!ui->transfer(ui->readButton))
            return false;
        ui->buffers->setCurrentIndex(1);
        ui->table->setCurrentIndex(3);
        if (!ui->transfer(ui->readButton))
            return false;
        ui->buffers->setCurrentIndex(0);
        return !window->findChild<QLineEdit *>("le_vendor")->text().trimmed().isEmpty();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(isolateSettings(store));
        QCoreApplication::setApplicationVersion("0.18");
    }

    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void init()
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        sim = std::make_unique<SimulatorFixture>();
        setModuleImage(*sim->module, sampleModuleImage());
        answers = std::make_unique<ModalAnswerer>();
    }

    void cleanup()
    {
        form.reset();
        settings = nullptr;
        ui.reset();
        window.reset();
        answers.reset();
        sim.reset();
    }

    void russianRetranslatesEveryWindowAtOnceAndCancelReturns()
    {
        QVERIFY(openWindow());
        QVERIFY(readTwoBuffers());
        const WindowState english = windowState();
        AboutDialog about;
        about.show();
        auto *version = about.findChild<QLabel *>("l_version");
        auto *contact = about.findChild<QLabel *>("label_4");
        auto *shop = about.findChild<QLabel *>("label_5");
        auto *notice = about.findChild<QLabel *>("label_6");
        const QString englishContact = contact->text();
        const QString englishShop = shop->text();
        const QString englishNotice = notice->text();

        WindowState russian;
        QString settingsTitle, passwordLabel, noPassword, preset, refresh, saveButton, aboutTitle, aboutVersion,
            aboutContact, aboutShop, aboutNotice;
        QLocale::Language locale = QLocale::AnyLanguage;
        inSettings(QDialogButtonBox::Cancel, [&] {
            chooseLanguage(1);
            locale = QLocale().language();
            russian = windowState();
            settingsTitle = settings->windowTitle();
            passwordLabel = settings->findChild<QLabel *>("l_password")->text();
            noPassword = form->password->itemText(0);
            preset = form->password->itemText(1);
            refresh = form->refresh->text();
            saveButton = form->buttons->button(QDialogButtonBox::Save)->text();
            aboutTitle = about.windowTitle();
            aboutVersion = version->text();
            aboutContact = contact->text();
            aboutShop = shop->text();
            aboutNotice = notice->text();
        });

        // All at once, before Save.
        QCOMPARE(locale, QLocale::Russian);
        QCOMPARE(russian.tabs, QStringList({"Буфер &1", "Буфер &2", "Буфер &3"}));
        QCOMPARE(russian.tables, QStringList({"A0 Нижняя", "A0 Верхняя", "A2 Нижняя", "A2 Верхняя"}));
        QCOMPARE(russian.menuBar, QStringList({"&Файл", "&Настройки", "О про&грамме"}));
        QCOMPARE(russian.tools, QStringList({"О&чистить", "&Открыть", "Со&хранить", "&Вычитать", "&Записать"}));
        QCOMPARE(russian.table, QString("A0 Нижняя"));
        QCOMPARE(settingsTitle, QString("Vexa Modulant - Настройки"));
        QCOMPARE(passwordLabel, QString("&Пароль:"));
        QCOMPARE(noPassword, QString("Без пароля"));
        QCOMPARE(preset, QString("Zorvik 1"));
        QCOMPARE(refresh, QString("..."));
        if (qtHasRussianCatalogue())
            QCOMPARE(saveButton, QString("Сохранить"));
        QCOMPARE(aboutTitle, QString("Vexa Modulant - О программе"));
        QCOMPARE(aboutVersion, QString("Версия программы:\n0.18"));
        QVERIFY(aboutContact.startsWith("<p>Вопросы? Пишите:<br/>"));
        QVERIFY(aboutContact.contains("<a href=\"mailto:support@zorvik.tech\">support@zorvik.tech</a>"));
        QCOMPARE(aboutShop, englishShop);
        QCOMPARE(aboutNotice, englishNotice);
        QCOMPARE(window->windowTitle(), QString("Vexa Modulant"));

        // What the window shows of the module stays.
        QCOMPARE(russian.checksum, english.checksum);
        QCOMPARE(russian.rangeStart, english.rangeStart);
        QCOMPARE(russian.rangeStop, english.rangeStop);
        QCOMPARE(russian.fields, english.fields);
        QCOMPARE(russian.buffers, english.buffers);
        QCOMPARE(russian.bufferTables, english.bufferTables);

        // Cancel goes back to the stored language.
        QCOMPARE(form->language->currentIndex(), 0);
        QCOMPARE(QLocale().language(), QLocale::English);
        const WindowState back = windowState();
        QCOMPARE(back.tabs, english.tabs);
        QCOMPARE(back.tables, english.tables);
        QCOMPARE(back.menuBar, english.menuBar);
        QCOMPARE(back.fields, english.fields);
        QCOMPARE(settings->windowTitle(), QString("Vexa Modulant - Settings"));
        QCOMPARE(version->text(), QString("Program version:\n0.18"));
        QCOMPARE(contact->text(), englishContact);
        QCOMPARE(notice->text(), englishNotice);
        QCOMPARE(form->buttons->button(QDialogButtonBox::Save)->text(), QString("Save"));
    }

    void savedRussianKeepsAnA2HighBuffer()
    {
        QVERIFY(openWindow());
        QVERIFY(readTwoBuffers());
        ui->buffers->setCurrentIndex(1);
        const WindowState english = windowState();
        QCOMPARE(english.table, QString("A2 High"));

        inSettings(QDialogButtonBox::Save, [&] { chooseLanguage(1); });

        QCOMPARE(QSettings().value("gui/language").toInt(), 1);
        const WindowState russian = windowState();
        QCOMPARE(russian.table, QString("A2 Верхняя"));
        QCOMPARE(ui->buffers->currentIndex(), 1);
        QCOMPARE(russian.rangeStart, QString("80"));
        QCOMPARE(russian.rangeStop, QString("FF"));
        QCOMPARE(russian.checksum, english.checksum);
        QCOMPARE(russian.buffers, english.buffers);
        QCOMPARE(russian.bufferTables, english.bufferTables);

        // The worker still reads A2 High: device 0x51 from 0x80, reported in Russian.
        ui->log->clear();
        QVERIFY(ui->transfer(ui->readButton));
        QVERIFY(ui->log->toPlainText().contains("Считываем данные(SIM0001) по адресу 0x51\n80| "));
        QVERIFY(ui->log->toPlainText().contains("Контрольная сумма: 0x" + english.checksum + "\n"));
    }

    void englishWhenNothingIsLoadedChangesNothing()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        int languageChanges = 0;
        struct Counter : QObject {
            int *count;
            explicit Counter(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::LanguageChange)
                    ++*count;
                return false;
            }
        } counter(&languageChanges);
        qApp->installEventFilter(&counter);

        // Making "English" current at construction and at start-up asks for
        // English while nothing is loaded.
        QVERIFY(openWindow());
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&counter);

        QCOMPARE(form->language->currentText(), QString("English"));
        QCOMPARE(QLocale().language(), QLocale::French);
        QCOMPARE(languageChanges, 0);
        QCOMPARE(ui->buffers->tabText(0), QString("Buffer &1"));
        QCOMPARE(form->buttons->button(QDialogButtonBox::Save)->text(), QString("Save"));
    }

    // The module only stores what is written after its password: a write in
    // Russian with the custom password chosen in English proves it in force.
    void customPasswordStaysInForceAcrossASwitch()
    {
        sim->module->setPassword(std::array<std::uint8_t, 4>{0xDE, 0xAD, 0xBE, 0xEF});
        QVERIFY(openWindow());
        QVERIFY(ui->transfer(ui->readButton));
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(2, 4), "5A", Qt::EditRole);  // byte 0x24, in the vendor name

        int choice = -1;
        QString choiceText, customText;
        bool customShown = false;
        inSettings(QDialogButtonBox::Save, [&] {
            form->password->setCurrentIndex(SettingsDialog::kPasswordCustom);
            form->customPassword->clear();
            QTest::keyClicks(form->customPassword, "deadbeef");
            chooseLanguage(1);
            choice = form->password->currentIndex();
            choiceText = form->password->currentText();
            customShown = form->customPassword->isVisible();
            customText = form->customPassword->text();
        });
        QCOMPARE(choice, int(SettingsDialog::kPasswordCustom));
        QCOMPARE(choiceText, QString("Пользовательский"));
        QVERIFY(customShown);
        QCOMPARE(customText, QString("DE AD BE EF"));

        ui->log->clear();
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(answers->boxTexts, QStringList());
        QCOMPARE(sim->module->memory(0x50)[0x24], 0x5A);
        const QString log = ui->log->toPlainText();
        QVERIFY2(log.contains("Записываем данные(SIM0001) по адресу 0x50, с паролем\n"), qPrintable(log));
        QVERIFY2(log.endsWith("Запись выполнена успешно\n\n"), qPrintable(log));

        // And back in English, the same.
        inSettings(QDialogButtonBox::Save, [&] { chooseLanguage(0); });
        QCOMPARE(form->password->currentText(), QString("Custom"));
        model->setData(model->index(2, 4), "5B", Qt::EditRole);
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(sim->module->memory(0x50)[0x24], 0x5B);
    }

    void russianAcceleratorsAreNotShared()
    {
        QVERIFY(openWindow());
        QStringList inWindow, inSettingsDialog, inFileMenu;
        inSettings(QDialogButtonBox::Cancel, [&] {
            chooseLanguage(1);
            inWindow = repeatedMnemonics(mnemonicTexts(window.get()));
            inSettingsDialog = repeatedMnemonics(mnemonicTexts(settings));
            QStringList fileMenu;
            for (QAction *entry : window->findChild<QMenu *>("menu_File")->actions())
                fileMenu.append(entry->text());
            inFileMenu = repeatedMnemonics(fileMenu);
        });
        QVERIFY2(inWindow.isEmpty(), qPrintable(inWindow.join("; ")));
        QVERIFY2(inSettingsDialog.isEmpty(), qPrintable(inSettingsDialog.join("; ")));
        QVERIFY2(inFileMenu.isEmpty(), qPrintable(inFileMenu.join("; ")));
    }
};

QTEST_MAIN(TestLanguageWindows)
#include "tst_languagewindows.moc"
