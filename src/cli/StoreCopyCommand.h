#pragma once
// store copy --from 来源 --to 目标 [--replace]: copies a whole store, each side a data
// folder (or the DATA.db in it) or a server address, and prints what the target holds.
// A target that already holds data is refused (exit 1) unless --replace.
#include <QStringList>

class QTextStream;

int RunStoreCopy(const QStringList& args, QTextStream& out, QTextStream& err);
