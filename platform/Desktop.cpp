#include "Desktop.h"

#include <QObject>
#include <QTimer>

#include <utility>

namespace tavrix {

// The long work under way, as its caller holds it: the desktop's own watch
// of it, and a Cancel that can come from elsewhere (a window closing).
class Desktop::LongWork final : public Progress {
public:
    LongWork(Desktop& desktop, std::unique_ptr<Progress> watch)
        : desktop_(desktop), watch_(std::move(watch)) {}
    ~LongWork() override {
        watch_.reset(); // its window goes before anything waiting runs
        desktop_.longWorkEnded();
    }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    bool carryOn(double done) override {
        // The events the watch runs may cancel the work themselves.
        const bool carriesOn = watch_->carryOn(done);
        cancelled_ = cancelled_ || !carriesOn;
        return !cancelled_;
    }
    void cancel() { cancelled_ = true; }

private:
    Desktop& desktop_;
    std::unique_ptr<Progress> watch_;
    bool cancelled_ = false;
};

namespace {

// Work asked for while other work is under way: it stops before it starts.
class RefusedWork final : public Progress {
public:
    bool carryOn(double) override { return false; }
};

} // namespace

Desktop::Desktop() = default;

Desktop::~Desktop() = default;

void Desktop::openUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished) {
    handOverUrl(url, receiver, [this, &receiver, finished = std::move(finished)](bool opened) {
        afterLongWork(receiver, [finished, opened] { finished(opened); });
    });
}

void Desktop::startMail(const MailMessage& message, QObject& receiver,
                        std::function<void(const MailLaunch&)> finished) {
    handOverMail(message, receiver,
                 [this, &receiver, finished = std::move(finished)](const MailLaunch& launch) {
                     afterLongWork(receiver, [finished, launch] { finished(launch); });
                 });
}

std::unique_ptr<Progress> Desktop::startProgress(const QString& title, const QString& label) {
    if (longWork_ != nullptr) {
        return std::make_unique<RefusedWork>();
    }
    auto work = std::make_unique<LongWork>(*this, watchWork(title, label));
    longWork_ = work.get();
    return work;
}

void Desktop::cancelLongWork() {
    if (longWork_ != nullptr) {
        longWork_->cancel();
    }
}

void Desktop::afterLongWork(QObject& receiver, std::function<void()> action) {
    if (longWork_ == nullptr) {
        action();
        return;
    }
    waiting_.push_back({&receiver, std::move(action)});
}

void Desktop::longWorkEnded() {
    longWork_ = nullptr;
    // From the event loop, once the work's caller has finished with it.
    for (Waiting& waiting : std::exchange(waiting_, {})) {
        if (waiting.receiver) {
            QTimer::singleShot(0, waiting.receiver.data(), std::move(waiting.action));
        }
    }
}

} // namespace tavrix
