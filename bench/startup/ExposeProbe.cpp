#include "ExposeProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

ExposeProbe::ExposeProbe() {
    QCoreApplication::instance()->installEventFilter(this);
}

ExposeProbe::~ExposeProbe() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss_kb %ld\n", usage.ru_maxrss);
}

bool ExposeProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window && window->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("exposed_ns %lld\n",
                        static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
            std::fflush(stdout);
            seen_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
    }
    return QObject::eventFilter(watched, event);
}
