#include "platform/system_clock_watch.h"

#include <QSocketNotifier>

#if __has_include(<sys/timerfd.h>)
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#define NEKOTOKEI_HAS_TIMERFD 1
#endif

namespace {

// An absolute timer on the real-time clock: it expires at the moment asked for, also
// at once after a resume that slept through it, and a set clock cancels it, which its
// read reports as ECANCELED. Systems without timerfd hear of no jump.
class TimerfdWatch final : public ClockWatch
{
public:
#ifdef NEKOTOKEI_HAS_TIMERFD
    TimerfdWatch() : fd_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {}
    ~TimerfdWatch() override
    {
        notifier_.reset();
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    bool watch(std::function<void()> jumped) override
    {
        if (fd_ < 0) {
            return false;
        }
        jumped_ = std::move(jumped);
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                         [this] { readNotice(); });
        return true;
    }

    void wakeBy(qint64 utcMilliseconds) override
    {
        if (!notifier_) {
            return;
        }
        itimerspec at{};
        at.it_value.tv_sec = time_t(utcMilliseconds / 1000);
        at.it_value.tv_nsec = long(utcMilliseconds % 1000) * 1'000'000;
        timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &at, nullptr);
    }

private:
    void readNotice()
    {
        std::uint64_t expirations = 0;
        const ssize_t got = read(fd_, &expirations, sizeof expirations);
        // The moment came (or a resume passed it), or the clock was set: either way the
        // clock reads the time again and sets the next moment itself.
        if (got == sizeof expirations || (got < 0 && errno == ECANCELED)) {
            jumped_();
        }
    }

    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> jumped_;
#else
    bool watch(std::function<void()>) override
    {
        return false;
    }
    void wakeBy(qint64) override {}
#endif
};

} // namespace

std::unique_ptr<ClockWatch> makeSystemClockWatch()
{
    return std::make_unique<TimerfdWatch>();
}
