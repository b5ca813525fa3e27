// Fake programs for tests of the hand-over to other programs (xdg-email, a
// mail client): small shell scripts in a folder of their own that record
// every run's arguments.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tavrix {

class FakePrograms {
public:
    FakePrograms();
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // Puts this folder first on PATH until this object goes (or another
    // folder is put in front of it).
    void putFirstOnPath();
    // A program `name` that records its arguments, then runs the shell
    // commands `then` (exit 3, sleep 2, ...); the full path.
    QString addRecorder(const QString& name, const QString& then = {});
    // The arguments of each run of `name`, in the order of the runs.
    QList<QStringList> runsOf(const QString& name) const;
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
    bool pathChanged_ = false;
};

// An environment variable set for this object's lifetime, restored after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray saved_;
};

} // namespace tavrix
