#pragma once
// Ctrl+C for the command-line tool. SIGINT no longer ends the process at
// once: it is noted, and signalled as `interrupted` in the event loop, so that
// a transfer can stop cleanly, close the programmer and leave no half-written
// file behind.

#include <QObject>

class QSocketNotifier;

class Interrupt : public QObject
{
    Q_OBJECT

public:
    // Installs the SIGINT handler on first use; needs the application object.
    static Interrupt &instance();

    // Whether SIGINT has come since the start or the last clear().
    bool requested() const;
    // Forgets a SIGINT; for tests that run several commands in one process.
    void clear();

signals:
    void interrupted();

private:
    explicit Interrupt(QObject *parent);
    void drain();

    QSocketNotifier *notifier_;
};
