// Switching the whole program to Russian with the real catalogue, the way
// the operator does it: in the settings dialog opened from the main window.

#include "../settings/settingstesthelpers.h"
#include "../app/windowdriver.h"
#include "aboutdialog.h"
#include "programmercheckdialog.h"
#include "samplemodule.h"
#include "seriesdialog.h"
#include "simulatorfixture.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

class TestLanguageWindows : public QObject
{
    Q_OBJECT

    QTemporaryDir store;
    ModalAnswerer answers;
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<SettingsForm> form;

    // Opens the settings dialog from the menu bar, does `whileOpen` in it and
    // leaves it with `button`, upon which the window saves or reloads the settings.
    void inSettings(QDialogButtonBox::StandardButton button, const std::function<void()> &whileOpen)
    {
        QTimer::singleShot(0, &form->dialog, [this, button, whileOpen] {
            whileOpen();
            form->buttons->button(button)->click();
        });
        for (QAction *entry : window->menuBar()->actions())
            if (entry->text() == "S&ettings")
                entry->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    // Texts of the main window that follow the language: tabs, tables, menu bar.
    QStringList labels() const
    {
        QStringList texts;
        for (int i = 0; i < ui->buffers->count(); ++i)
            texts.append(ui->buffers->tabText(i));
        for (int i = 0; i < ui->table->count(); ++i)
            texts.append(ui->table->itemText(i));
        for (QAction *entry : window->menuBar()->actions())
            texts.append(entry->text());
        auto *pages = window->findChild<QTabWidget *>("tw_pages");
        for (int i = 0; i < pages->count(); ++i)
            texts.append(pages->tabText(i));
        return texts;
    }

    // What it shows of the module, which must not change: the selected table,
    // the checksum, the range and the decoded fields.
    QStringList moduleView() const
    {
        // Of the window itself, not of the dialogs it owns.
        QStringList shown = {QString::number(ui->table->currentIndex())};
        for (QLineEdit *edit : window->findChildren<QLineEdit *>(QRegularExpression("^le_")))
            if (edit->window() == window.get())
                shown.append(edit->objectName() + " " + edit->text());
        for (QAbstractSpinBox *box : window->findChildren<QAbstractSpinBox *>())
            if (box->window() == window.get() && box->isVisibleTo(window.get()))
                shown.append(box->objectName() + " " + box->text());
        return shown;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(isolateSettings(store));
        QCoreApplication::setApplicationVersion("0.18");
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        sim = std::make_unique<SimulatorFixture>();
        setModuleImage(*sim->module, sampleModuleImage());
        window = std::make_unique<MainWindow>();
        ui = std::make_unique<WindowDriver>(*window);
        window->show();
        window->initSettings();
        QVERIFY(ui->waitForProgrammers(1));
        auto *dialog = qobject_cast<SettingsDialog *>(topLevelWidget("SettingsDialog"));
        QVERIFY(dialog);
        form = std::make_unique<SettingsForm>(*dialog);
    }

    void cleanupTestCase()
    {
        form.reset();
        ui.reset();
        window.reset();
        letWidgetAnimationsEnd();
    }

    void russianRetranslatesEveryWindowAtOnceAndCancelReturns()
    {
        // Buffer 1 holds a module read as "A0 Low", buffer 2 is set to "A2 High".
        QVERIFY(ui->transfer(ui->readButton));
        QVERIFY(!window->findChild<QLineEdit *>("le_vendor")->text().trimmed().isEmpty());
        ui->buffers->setCurrentIndex(1);
        ui->table->setCurrentIndex(3);
        ui->buffers->setCurrentIndex(0);
        const QStringList english = labels(), module = moduleView();
        AboutDialog about;
        about.show();
        QCOMPARE(about.findChild<QLabel *>("l_version")->text(), QString("Program version:\n0.18"));
        QSignalSpy passwords(&form->dialog, &SettingsDialog::passwordChanged);
        QStringList a2High;

        inSettings(QDialogButtonBox::Cancel, [&] {
            form->password->setCurrentIndex(SettingsDialog::kPasswordCustom);
            form->customPassword->clear();
            QTest::keyClicks(form->customPassword, "deadbeef");
            form->language->setCurrentIndex(1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

            QCOMPARE(QLocale().language(), QLocale::Russian);
            QCOMPARE(labels(), QStringList({"Буфер &1", "Буфер &2", "Буфер &3", "Модуль", "A0 Нижняя", "A0 Верхняя",
                                            "A2 Нижняя", "A2 Верхняя", "A2 Страница", "QSFP Нижняя страница",
                                            "QSFP Верхняя страница", "CMIS Нижняя страница", "CMIS Страница",
                                            "CMIS Банк и страница", "&Файл", "&Правка", "Ди&агностика", "&Сервис",
                                            "&Настройки", "О про&грамме", "&Журнал", "Расшифровка", "Монитор"}));
            QCOMPARE(moduleView(), module);
            // The Module panel decodes afresh in Russian.
            auto *fields = window->findChild<QTreeWidget *>("tw_fields");
            QCOMPARE(fields->topLevelItem(0)->text(0), QString("Идентификация"));
            QCOMPARE(fields->topLevelItem(0)->child(4)->text(1), QString("10300 МБод"));
            QCOMPARE(form->dialog.windowTitle(), QString("Vexa Modulant - Настройки"));
            QCOMPARE(form->password->itemText(0), QString("Без пароля"));
            QCOMPARE(about.windowTitle(), QString("Vexa Modulant - О программе"));
            QCOMPARE(about.findChild<QLabel *>("l_version")->text(), QString("Версия программы:\n0.18"));
            QCOMPARE(window->findChild<ProgrammerCheckDialog *>()->windowTitle(),
                     QString("Vexa Modulant - Проверка программатора"));
            // The series dialog, its status included.
            auto *series = window->findChild<SeriesDialog *>();
            QCOMPARE(series->windowTitle(), QString("Vexa Modulant - Серия"));
            QCOMPARE(series->findChild<QLabel *>("lb_status")->text(),
                     QString("Выберите шаблон и серийные номера и нажмите «Старт»"));
            // "Custom" stays chosen, and its password is the last one sent to the worker.
            QCOMPARE(form->password->currentIndex(), int(SettingsDialog::kPasswordCustom));
            QVERIFY(form->customPassword->isVisible());
            QVERIFY(!passwords.isEmpty());
            QCOMPARE(passwords.last().at(0).toByteArray(), QByteArray::fromHex("DEADBEEF"));
            // The way back is taken on the "A2 High" buffer.
            ui->buffers->setCurrentIndex(1);
            a2High = moduleView();
        });

        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(labels(), english);
        QCOMPARE(ui->table->currentText(), QString("A2 High"));
        QCOMPARE(moduleView(), a2High);
        QCOMPARE(form->dialog.windowTitle(), QString("Vexa Modulant - Settings"));
        QCOMPARE(about.windowTitle(), QString("Vexa Modulant - About"));
        about.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(about.isHidden());
        QCOMPARE(window->findChild<SeriesDialog *>()->findChild<QLabel *>("lb_status")->text(),
                 QString("Choose the template and the serial numbers, then Start"));
    }
};

QTEST_MAIN(TestLanguageWindows)
#include "tst_languagewindows.moc"
