// Folders a save must fail in. Root, who runs these tests, ignores permission
// bits, so the folders are made unwritable in ways that hold even for root.
#pragma once

#include <QString>

namespace tavrix {

// The immutable attribute (chattr +i) on a folder for this object's
// lifetime: nothing can be created, renamed or removed in it. It needs root
// (or CAP_LINUX_IMMUTABLE) and a file system that knows the attribute.
class ImmutableFolder {
public:
    explicit ImmutableFolder(QString path);
    ~ImmutableFolder();
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    bool made() const { return made_; }

private:
    QString path_;
    bool made_ = false;
};

// A full disk. A test that needs one runs its own program again, limited to
// itself, inside a private mount namespace with a tiny tmpfs mounted over a
// fresh folder; the run inside finds that folder and does the real work:
//
//   TEST(Suite, Name) {
//       if (const QString folder = TinyDiskFolder(); !folder.isEmpty()) {
//           ... work in folder ...
//           return;
//       }
//       RerunThisTestOnATinyDisk();
//   }

// The tiny file system's folder inside the run again; empty outside it.
QString TinyDiskFolder();

// Runs the current test again on a tiny disk, failing it when the run
// inside fails; skips it where no mount namespace can be made.
void RerunThisTestOnATinyDisk();

// Fills the file system holding `folder` to the last byte.
void FillUp(const QString& folder);

} // namespace tavrix
