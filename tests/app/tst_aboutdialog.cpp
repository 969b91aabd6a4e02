#include "aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

// Stands in for the Russian catalogue, which the resources bring later.
class VersionTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) == "AboutDialog" && QByteArray(sourceText) == "Program version:\n%1")
            return QString::fromUtf8("Версия программы:\n%1");
        return QString();
    }
};

QLabel *label(AboutDialog &dialog, const char *name)
{
    QLabel *found = dialog.findChild<QLabel *>(name);
    Q_ASSERT(found);
    return found;
}

}  // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsProductVersionAndContacts();
    void keepsTheVersionAcrossALanguageChange();
    void okClosesTheDialog();
};

void TestAboutDialog::initTestCase()
{
    QCoreApplication::setApplicationVersion("0.18");
}

void TestAboutDialog::showsProductVersionAndContacts()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QString("Vexa Modulant - About"));
    QCOMPARE(label(dialog, "label_2")->text(), QString("Vexa Modulant"));
    QCOMPARE(label(dialog, "l_version")->text(), QString("Program version:\n0.18"));

    for (const char *name : {"label_4", "label_5"}) {
        QLabel *contact = label(dialog, name);
        QVERIFY(contact->openExternalLinks());
        QVERIFY(contact->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    }
    QVERIFY(label(dialog, "label_4")->text().contains("href=\"mailto:support@zorvik.tech\""));
    QVERIFY(label(dialog, "label_5")->text().contains("href=\"https://shop.zorvik.tech\""));
    QVERIFY(label(dialog, "label_6")->text().contains("Zorvik"));
}

void TestAboutDialog::keepsTheVersionAcrossALanguageChange()
{
    AboutDialog dialog;
    dialog.show();
    VersionTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QTRY_COMPARE(label(dialog, "l_version")->text(),
                 QString::fromUtf8("Версия программы:\n0.18"));

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(label(dialog, "l_version")->text(), QString("Program version:\n0.18"));
}

void TestAboutDialog::okClosesTheDialog()
{
    AboutDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
