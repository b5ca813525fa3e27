#include "FakePrograms.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tavrix {

namespace {

// Ends each recorded run; no test text holds it.
constexpr char RunEnd = '\x01';

} // namespace

FakePrograms::FakePrograms() {
    EXPECT_TRUE(folder_.isValid());
}

FakePrograms::~FakePrograms() {
    if (pathChanged_)
        qputenv("PATH", savedPath_);
}

void FakePrograms::putFirstOnPath() {
    savedPath_ = qgetenv("PATH");
    pathChanged_ = true;
    qputenv("PATH", QFile::encodeName(folder_.path()) + ":" + savedPath_);
}

QString FakePrograms::addRecorder(const QString& name, const QString& then) {
    const QString path = folder_.filePath(name);
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    // printf's format is fixed and every argument stays one word: nothing of
    // what the program is handed is ever read as shell code.
    script.write(QStringLiteral("#!/bin/sh\n{ printf '%s\\0' \"$@\"; printf '\\001'; } >> '%1'\n%2\n")
                     .arg(folder_.filePath(name + ".runs"), then)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QList<QStringList> FakePrograms::runsOf(const QString& name) const {
    QFile file(folder_.filePath(name + ".runs"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> recorded = file.readAll().split(RunEnd);
    recorded.removeLast(); // after the last run's end
    QList<QStringList> runs;
    for (const QByteArray& run : recorded) {
        QStringList arguments = QString::fromUtf8(run).split(QChar(u'\0'));
        arguments.removeLast(); // after the last argument's terminator
        runs << arguments;
    }
    return runs;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name)) {
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (wasSet_)
        qputenv(name_, saved_);
    else
        qunsetenv(name_);
}

} // namespace tavrix
