// What the start-up probes share: the clock they read and the moment a window has
// painted itself for the first time.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <ctime>
#include <functional>

namespace velunda::bench {

// CLOCK_MONOTONIC is one clock for the whole machine: the driver reads it before it
// starts a probe, the probe when its window has painted.
inline std::int64_t MonotonicNanos() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Calls `painted` once, when the window's first paint has completed: the paint event of
// a window comes before those of its children and the flush to the screen, so the call
// waits for the event loop's next turn.
class FirstPaint : public QObject {
    Q_OBJECT

public:
    FirstPaint(QWidget* window, std::function<void()> painted) : QObject(window), painted_(std::move(painted)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { painted_(); });
        }
        return false;
    }

private:
    std::function<void()> painted_;
    bool seen_ = false;
};

// Prints the time of the first paint ("painted NANOS") for the driver.
inline void ReportPainted() {
    std::printf("painted %lld\n", static_cast<long long>(MonotonicNanos()));
    std::fflush(stdout);
}

}  // namespace velunda::bench
