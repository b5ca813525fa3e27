#include "ReadFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrix {

namespace {

ReadResult Failure(ReadResult::Status status, QString message) {
    ReadResult result;
    result.status = status;
    result.errorMessage = std::move(message);
    return result;
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

QString NotRegularFileMessage() {
    return QCoreApplication::translate("tavrix::ReadFile", "Not a regular file");
}

ReadResult ReadRegularFile(const QByteArray& path, qint64 maxBytes) {
    // Non-blocking, so that opening a FIFO without a writer returns at once;
    // what it opened is looked at before a single byte is read.
    const Descriptor file{::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all; it is still no file of ours.
        struct stat status {};
        if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return Failure(ReadResult::Status::NotRegular, NotRegularFileMessage());
        }
        return Failure(error == ENOENT ? ReadResult::Status::Missing : ReadResult::Status::Failed,
                       qt_error_string(error));
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        return Failure(ReadResult::Status::Failed, qt_error_string(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Failure(ReadResult::Status::NotRegular, NotRegularFileMessage());
    }
    ReadResult result;
    result.status = ReadResult::Status::Read;
    result.size = status.st_size;
    result.bytes.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes, status.st_size)));
    qsizetype done = 0;
    while (done < result.bytes.size()) {
        const ssize_t got =
            ::read(file.fd, result.bytes.data() + done, static_cast<size_t>(result.bytes.size() - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Failure(ReadResult::Status::Failed, qt_error_string(errno));
        }
        if (got == 0) {
            break; // the file shrank meanwhile
        }
        done += got;
    }
    result.bytes.truncate(done);
    return result;
}

} // namespace tavrix
