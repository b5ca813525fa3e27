#include "CancelledPrintJob.h"

#include <QPainter>

#include <string>

#include <dlfcn.h>

namespace tavrix {

namespace {

// CUPS is reached through the library that Qt's print support loaded for
// the job, never linked: linked, it and the security libraries it needs
// would load with every start of the program, which prints only now and
// then. Not loaded, the job is no CUPS job.
class CupsLibrary {
public:
    CupsLibrary() : handle_(dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        if (handle_ != nullptr) {
            server_ = reinterpret_cast<ServerFunction>(dlsym(handle_, "cupsServer"));
            setServer_ = reinterpret_cast<SetServerFunction>(dlsym(handle_, "cupsSetServer"));
        }
    }
    ~CupsLibrary() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    CupsLibrary(const CupsLibrary&) = delete;
    CupsLibrary& operator=(const CupsLibrary&) = delete;

    bool usable() const { return server_ != nullptr && setServer_ != nullptr; }
    const char* server() const { return server_(); }
    void setServer(const char* server) const { setServer_(server); }

private:
    using ServerFunction = const char* (*)();
    using SetServerFunction = void (*)(const char*);
    void* handle_;
    ServerFunction server_ = nullptr;
    SetServerFunction setServer_ = nullptr;
};

// Points this thread's print server somewhere for as long as it lives, and
// then back at the one in force before, however the scope is left.
class PrintServerFor {
public:
    PrintServerFor(const CupsLibrary& cups, const char* server) : cups_(cups), previous_(cups.server()) {
        cups_.setServer(server);
    }
    ~PrintServerFor() { cups_.setServer(previous_.c_str()); }
    PrintServerFor(const PrintServerFor&) = delete;
    PrintServerFor& operator=(const PrintServerFor&) = delete;

private:
    const CupsLibrary& cups_;
    // A copy: CUPS hands out its own buffer, which the next call rewrites.
    const std::string previous_;
};

} // namespace

void EndCancelledPrintJob(QPainter& painter) {
    const CupsLibrary cups;
    if (!cups.usable()) {
        // Printed into a file, which the caller throws away.
        painter.end();
        return;
    }
    // Qt's CUPS engine ends a job by handing its spool file, with
    // cupsPrintFile(), to this thread's print server. Pointed at a path that
    // is no socket for the moment, the server cannot be reached: the job is
    // never queued, and Qt removes the spool file.
    const PrintServerFor unreachable(cups, "/dev/null");
    painter.end();
}

} // namespace tavrix
