#pragma once
// Where the command-line tool writes: data on standard output, messages and
// the progress bar on standard error. The bar is drawn only on a terminal, so
// that logs and pipes get nothing but whole lines. Tests pass buffers.

#include <QByteArray>
#include <QString>

class QIODevice;

class Console
{
public:
    Console(QIODevice *out, QIODevice *err, bool errIsTerminal, bool outIsTerminal = false);

    // Whether data may carry colours: standard output is a terminal that
    // shows them, and the user has not asked for none (NO_COLOR).
    bool colourOut() const;

    // Data: raw bytes, or text as UTF-8. Once standard output has failed,
    // nothing more goes there.
    void data(const QByteArray &bytes);
    void print(const QString &text);
    // Flushes standard output; false when anything written there was lost.
    bool finishOutput();
    bool outputFailed() const { return !outputError_.isEmpty(); }
    // Why standard output failed, as the system says it.
    QString outputError() const { return outputError_; }
    // One message line on standard error; the progress bar makes way for it.
    void message(const QString &text);

    // "[#####.....] 2/4 A0 High" on one line of a terminal, redrawn in place.
    void progress(int done, int total, const QString &what);
    // Removes the bar, if one is shown.
    void endProgress();

private:
    void noteOutputError();

    QIODevice *out_;
    QIODevice *err_;
    bool errIsTerminal_;
    bool outIsTerminal_;
    int progressWidth_ = 0;  // characters of the bar line shown, 0 without one
    QString outputError_;
};
