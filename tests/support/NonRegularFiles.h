// Things that can stand where the program expects one of its files: FIFOs,
// devices, sockets, folders and links to them. Root, who runs the tests,
// may make all of them.
#pragma once

#include <QString>

namespace tavrix {

enum class NonRegularFile { Fifo, CharacterDevice, Socket, Folder };

// Makes one at `path`; false (with errno set) where the system refuses.
// The character device is the one of /dev/null.
bool MakeNonRegularFile(NonRegularFile kind, const QString& path);

// What stands at `path` itself, a link not followed: "fifo", "character
// device", "socket", "folder", "file", "link" or "nothing".
QString KindAt(const QString& path);

} // namespace tavrix
