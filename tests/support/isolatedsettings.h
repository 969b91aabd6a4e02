#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Points the native settings store into dir, under the program's names, so
// that no test ever reads or writes the operator's real settings. Returns
// false if that did not work.
inline bool isolateSettings(const QTemporaryDir &dir)
{
    QCoreApplication::setOrganizationName("Zorvik");
    QCoreApplication::setApplicationName("Vexa Modulant");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    return dir.isValid() && QSettings().fileName().startsWith(dir.path());
}

// A line edit's clear button fades with an animation that deletes itself on a
// later tick, also when the button is gone. A test run lets those run out
// before it ends, so that nothing is left behind at exit.
inline void letWidgetAnimationsEnd()
{
    QTest::qWait(300);
}
