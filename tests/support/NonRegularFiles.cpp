#include "NonRegularFiles.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrix {

namespace {

bool MakeSocket(const QByteArray& path) {
    sockaddr_un address{};
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    // The socket file stays after the socket is closed.
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

bool MakeNonRegularFile(NonRegularFile kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case NonRegularFile::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case NonRegularFile::CharacterDevice:
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    case NonRegularFile::Socket:
        return MakeSocket(name);
    case NonRegularFile::Folder:
        return QDir().mkdir(path);
    }
    return false;
}

QString KindAt(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return QStringLiteral("nothing");
    }
    switch (status.st_mode & S_IFMT) {
    case S_IFIFO:
        return QStringLiteral("fifo");
    case S_IFCHR:
        return QStringLiteral("character device");
    case S_IFSOCK:
        return QStringLiteral("socket");
    case S_IFDIR:
        return QStringLiteral("folder");
    case S_IFLNK:
        return QStringLiteral("link");
    case S_IFREG:
        return QStringLiteral("file");
    default:
        return QStringLiteral("other");
    }
}

} // namespace tavrix
