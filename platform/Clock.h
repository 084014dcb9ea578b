#pragma once

#include <QDateTime>

namespace soranika {

// The local clock. Commands ask it for the time instead of asking the system, so tests and the
// command-line tool's --today can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

// A clock that stands still at a chosen moment until it is set again.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime moment)
        : moment_(std::move(moment)) {}
    QDateTime now() const override { return moment_; }
    void set(QDateTime moment) { moment_ = std::move(moment); }

private:
    QDateTime moment_;
};

} // namespace soranika
