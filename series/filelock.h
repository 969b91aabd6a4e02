#pragma once
// An exclusive lock on an open file, held until the file is closed. The
// kernel lets it go when the process ends, however it ends, so a run killed
// outright leaves no stale lock behind; on a network share it holds between
// machines where the file system passes locks on (NFS does).

#include <QString>

class QFile;

namespace filelock {

enum class Result {
    Taken,
    HeldElsewhere,  // another process, or another open of the file, holds it
    Failed,         // the file system takes no locks; `reason` says why
};

Result lockExclusively(QFile &file, QString *reason);

}  // namespace filelock
