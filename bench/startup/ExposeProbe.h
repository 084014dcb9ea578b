#pragma once

#include <QObject>

// Watches for the first top-level window to be exposed on screen, prints the wall-clock time of
// that moment in nanoseconds and ends the event loop. At exit it prints the peak memory.
class ExposeProbe : public QObject {
    Q_OBJECT

public:
    ExposeProbe();
    ~ExposeProbe() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen_ = false;
};
