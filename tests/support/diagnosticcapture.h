#pragma once

#include <QString>
#include <QStringList>

#include <mutex>
#include <string>

// Collects the link layer's standard-output diagnostics while alive.
class DiagnosticCapture
{
public:
    DiagnosticCapture();
    ~DiagnosticCapture();
    QString text() const;
    QStringList lines() const;

private:
    mutable std::mutex mutex;
    std::string captured;
};
