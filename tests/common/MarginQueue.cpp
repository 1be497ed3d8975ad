#include "common/MarginQueue.h"

#include "common/PrivateCups.h"

QString StartMarginQueue() {
    static PrivateCups cups;
    static const QString problem = [] {
        const QString why = cups.Problem();
        return why.isEmpty() ? cups.AddQueue(kMarginQueue, QStringLiteral("drv:///sample.drv/epson24.ppd"),
                                             {QStringLiteral("Resolution=180dpi"), QStringLiteral("PageSize=A4")})
                             : why;
    }();
    return problem;
}
