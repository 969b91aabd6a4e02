#include "diagnosticcapture.h"
#include "diagnostics.h"

DiagnosticCapture::DiagnosticCapture()
{
    linkdiag::setSink([this](const std::string &text) {
        std::lock_guard<std::mutex> lock(mutex);
        captured += text;
    });
}

DiagnosticCapture::~DiagnosticCapture()
{
    linkdiag::setSink({});
}

QString DiagnosticCapture::text() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return QString::fromStdString(captured);
}

QStringList DiagnosticCapture::lines() const
{
    return text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
