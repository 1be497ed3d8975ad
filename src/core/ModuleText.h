#pragma once
// What the program says when one of its modules (the window, the printers, the
// spreadsheet files) cannot be loaded; the module's path or the loader's reason follows.
#include <QString>

inline const QString kCannotLoadModule = QStringLiteral("无法载入程序模块：");
