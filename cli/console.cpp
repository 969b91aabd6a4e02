#include "console.h"

#include <QFileDevice>

Console::Console(QIODevice *out, QIODevice *err, bool errIsTerminal, bool outIsTerminal)
    : out_(out), err_(err), errIsTerminal_(errIsTerminal), outIsTerminal_(outIsTerminal)
{
}

bool Console::colourOut() const
{
    return outIsTerminal_ && qEnvironmentVariableIsEmpty("NO_COLOR") && qgetenv("TERM") != "dumb";
}

void Console::data(const QByteArray &bytes)
{
    if (!outputFailed() && out_->write(bytes) != bytes.size())
        noteOutputError();
}

void Console::print(const QString &text)
{
    data(text.toUtf8());
}

bool Console::finishOutput()
{
    auto *file = qobject_cast<QFileDevice *>(out_);
    if (!outputFailed() && file && !file->flush())
        noteOutputError();
    return !outputFailed();
}

void Console::noteOutputError()
{
    outputError_ = out_->errorString();
}

void Console::message(const QString &text)
{
    endProgress();
    err_->write(text.toUtf8() + '\n');
}

void Console::progress(int done, int total, const QString &what)
{
    if (!errIsTerminal_ || total <= 0)
        return;
    constexpr int kBarWidth = 24;
    const int filled = kBarWidth * done / total;
    const QString line = QStringLiteral("[%1%2] %3/%4 %5")
                             .arg(QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('.')))
                             .arg(done)
                             .arg(total)
                             .arg(what);
    // Padding wipes what a longer line before it left on the terminal.
    err_->write('\r' + line.leftJustified(progressWidth_).toUtf8());
    progressWidth_ = qMax(progressWidth_, line.size());
}

void Console::endProgress()
{
    if (progressWidth_ == 0)
        return;
    err_->write('\r' + QByteArray(progressWidth_, ' ') + '\r');
    progressWidth_ = 0;
}
