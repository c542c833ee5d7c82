#include "engine/lock_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "engine/error.h"

namespace engine {
namespace {

// Open-file-description locks belong to the descriptor, not to the process, so two connections
// of one process exclude each other just as two processes do.
bool setLock(int fd, short type, uint64_t offset) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = 1;
    fl.l_pid = 0;
    while (fcntl(fd, F_OFD_SETLK, &fl) == -1) {
        if (errno == EINTR)
            continue;
        return false;
    }
    return true;
}

}  // namespace

LockFile::LockFile(const QString& path) {
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        throw Error(Error::Code::Io, QStringLiteral("cannot open lock file ") + path);
}

LockFile::~LockFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LockFile::tryLock(uint64_t offset, bool exclusive) {
    return setLock(fd_, exclusive ? F_WRLCK : F_RDLCK, offset);
}

void LockFile::unlock(uint64_t offset) {
    setLock(fd_, F_UNLCK, offset);
}

}  // namespace engine
