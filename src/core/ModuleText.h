#pragma once
// What the program says when one of its modules (the window, the printers, the
// spreadsheet files) cannot be loaded; the module's path or the loader's reason follows.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

inline const QString kCannotLoadModule = QStringLiteral("无法载入程序模块：");
#pragma GCC visibility pop
