#include "windowdriver.h"

#include "documenttab.h"
#include "hexgridview.h"
#include "isolatedsettings.h"
#include "samplemodule.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProgressBar>
#include <QtTest>

ModalAnswerer::ModalAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::answer);
    timer.start(5);
}

void ModalAnswerer::answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        boxTexts.append(box->text());
        boxTitles.append(box->windowTitle());
        if (QAbstractButton *pressed = box->button(button))
            pressed->click();
        else
            box->reject();
    } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        ++fileDialogs;
        if (fileName.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(fileName);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    }
}

TransferWatch::TransferWatch(QWidget *progressDialog) : QObject(progressDialog)
{
    progressDialog->installEventFilter(this);
}

bool TransferWatch::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Show)
        ++shown;
    else if (event->type() == QEvent::Hide && shown > ended)
        ++ended;
    return false;
}

namespace {

template <typename T>
T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

}  // namespace

QWidget *topLevelWidget(const char *className)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(className))
            return w;
    return nullptr;
}

WindowDriver::WindowDriver(MainWindow &mainWindow)
    : window(mainWindow)
    , buffers(child<QTabWidget>(window, "tw_buffers"))
    , table(child<QComboBox>(window, "cb_table"))
    , addressStart(child<QSpinBox>(window, "sb_addr_start"))
    , addressStop(child<QSpinBox>(window, "sb_addr_stop"))
    , checksum(child<QLineEdit>(window, "le_checksum"))
    , log(child<QTextEdit>(window, "te_log"))
    , readButton(child<QToolButton>(window, "tb_sfp_read"))
    , writeButton(child<QToolButton>(window, "tb_sfp_write"))
    , newButton(child<QToolButton>(window, "tb_new"))
    , openButton(child<QToolButton>(window, "tb_open"))
    , saveButton(child<QToolButton>(window, "tb_save"))
    , progressDialog(topLevelWidget("ProgressDialog"))
    , watch(new TransferWatch(progressDialog))
{
}

QTableView *WindowDriver::view(int tab) const
{
    return static_cast<DocumentTab *>(buffers->widget(tab))->view();
}

TableViewModel *WindowDriver::model(int tab) const
{
    return qobject_cast<TableViewModel *>(view(tab)->model());
}

QString WindowDriver::status() const
{
    return window.statusBar()->currentMessage();
}

QAction *WindowDriver::action(const char *name) const
{
    return child<QAction>(window, name);
}

void WindowDriver::press(const QKeySequence &keys) const
{
    // Offscreen, a closed dialog does not give the activation back by itself.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keySequence(target, keys);
}

bool WindowDriver::waitForProgrammers(int count)
{
    QWidget *settings = topLevelWidget("SettingsDialog");
    auto *list = child<QComboBox>(*settings, "cb_connection");
    auto *busy = child<QProgressBar>(*settings, "prog_bar_connection");
    return QTest::qWaitFor([&] { return busy->isHidden() && list->count() == count; }, 5000)
           && (count == 0 || list->currentIndex() >= 0);
}

bool WindowDriver::transfer(QToolButton *button)
{
    const int before = watch->ended;
    button->click();
    return QTest::qWaitFor([&] { return watch->ended > before; }, 20000);
}

WindowTestBed::WindowTestBed()
{
    if (!isolateSettings(store))
        qFatal("the settings could not be kept apart from the operator's");
}

WindowTestBed::~WindowTestBed()
{
    letWidgetAnimationsEnd();
}

void WindowTestBed::fresh()
{
    QSettings().clear();
    sim = std::make_unique<SimulatorFixture>();
    setModuleImage(*sim->module, sampleModuleImage());
    answers = std::make_unique<ModalAnswerer>();
}

void WindowTestBed::drop()
{
    ui.reset();
    window.reset();
    answers.reset();
    sim.reset();
}

void WindowTestBed::openWindow(int programmers)
{
    window = std::make_unique<MainWindow>();
    ui = std::make_unique<WindowDriver>(*window);
    window->show();
    window->initSettings();
    QVERIFY(ui->waitForProgrammers(programmers));
}
