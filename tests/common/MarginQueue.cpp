#include "common/MarginQueue.h"

#include "common/PrivateCups.h"

namespace {
PrivateCups& Spooler() {
    static PrivateCups cups(1);
    return cups;
}
} // namespace

void HoldMarginQueueJobs(bool hold) { Spooler().HoldJobs(kMarginQueue, hold); }

QString StartMarginQueue() {
    static const QString problem = [] {
        PrivateCups& cups = Spooler();
        const QString why = cups.Problem();
        return why.isEmpty() ? cups.AddQueue(kMarginQueue, QStringLiteral("drv:///sample.drv/epson24.ppd"),
                                             {QStringLiteral("Resolution=180dpi"), QStringLiteral("PageSize=A4")})
                             : why;
    }();
    return problem;
}
