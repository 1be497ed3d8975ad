#pragma once
// The names the program's settings and folders are kept under; set once the
// application object exists, by the command line and by the window alike.
#include <QCoreApplication>

inline void SetProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
}
