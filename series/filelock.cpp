#include "filelock.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <sys/file.h>
#endif

namespace filelock {

Result lockExclusively(QFile &file, QString *reason)
{
#ifdef Q_OS_WIN
    // A byte far past any content: a lock on the content itself would keep
    // others from even reading the file.
    OVERLAPPED beyondContent = {};
    beyondContent.Offset = 0xFFFFFFFE;
    beyondContent.OffsetHigh = 0x7FFFFFFF;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyondContent))
        return Result::Taken;
    const DWORD error = GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING)
        return Result::HeldElsewhere;
    *reason = QStringLiteral("error %1").arg(error);
    return Result::Failed;
#else
    // flock() rather than fcntl(): its lock belongs to this open of the
    // file, so no other open and close of it in this process drops it.
    int result;
    do
        result = ::flock(file.handle(), LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return Result::Taken;
    if (errno == EWOULDBLOCK)
        return Result::HeldElsewhere;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return Result::Failed;
#endif
}

}  // namespace filelock
