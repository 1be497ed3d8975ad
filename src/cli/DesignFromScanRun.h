#pragma once
// The design-from-scan command's work: reading the scan takes the image and text
// recognition libraries, which only the window module links, so a command run loads
// them only for this command (DesignFromScanCommand.h).
#include <QtCore/qcontainerfwd.h>
class QTextStream;

int RunDesignFromScan(const QStringList& args, QTextStream& out, QTextStream& err);
