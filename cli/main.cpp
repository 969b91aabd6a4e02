#include "applicationidentity.h"
#include "commandline.h"
#include "console.h"
#include "programmerbackends.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

int main(int argc, char *argv[])
{
    setApplicationIdentity();
    QCoreApplication app(argc, argv);

    QFile out;
    QFile err;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    Console console(&out, &err, ::isatty(STDERR_FILENO) == 1, ::isatty(STDOUT_FILENO) == 1);

    QString problem;
    if (!installProgrammerBackends(&problem)) {
        console.message(problem);
        return 1;
    }
    return CommandLine::run(app.arguments().mid(1), console);
}
