// Files as tests make and look at them.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace tavrix {

// A file's bytes, or "<missing>"; a std::string, so failures print them.
std::string FileBytes(const QString& path);
// The names of the files in `folder`, in order, joined by " ".
std::string FilesIn(const QString& folder);
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace tavrix
