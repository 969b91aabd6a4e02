#include "interrupt.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler may only do what is async-signal-safe: set a flag and write a
// byte to a pipe that the event loop watches.
volatile std::sig_atomic_t sigintCount = 0;
int wakePipe[2] = {-1, -1};

void onSigint(int)
{
    sigintCount = sigintCount + 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
}

}  // namespace

Interrupt &Interrupt::instance()
{
    static QPointer<Interrupt> single;
    if (!single)
        single = new Interrupt(QCoreApplication::instance());
    return *single;
}

Interrupt::Interrupt(QObject *parent) : QObject(parent)
{
    if (wakePipe[0] < 0 && ::pipe(wakePipe) == 0) {
        for (int fd : wakePipe)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        struct sigaction action = {};
        action.sa_handler = onSigint;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;  // the programmer's I/O carries on
        sigaction(SIGINT, &action, nullptr);
    }
    notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        drain();
        emit interrupted();
    });
}

bool Interrupt::requested() const
{
    return sigintCount != 0;
}

void Interrupt::clear()
{
    drain();
    sigintCount = 0;
}

void Interrupt::drain()
{
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
}
