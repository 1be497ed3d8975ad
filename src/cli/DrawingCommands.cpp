#include "cli/DrawingCommands.h"

#include <QStringList>

bool CommandDraws(const QString& command) {
    static const QStringList drawing = {
        QStringLiteral("add"),      QStringLiteral("calibrate"),      QStringLiteral("create-samples"),
        QStringLiteral("defaults"), QStringLiteral("design-from-scan"), QStringLiteral("print"),
        QStringLiteral("stats"),
    };
    return command.isEmpty() || drawing.contains(command);
}
