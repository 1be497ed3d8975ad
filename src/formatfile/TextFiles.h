#pragma once
// Text files in the ANSI code page, written to a temporary file that then replaces
// the target, so a target is never left half-written.
#include <QByteArray>
#include <QString>

class Asker;

// Writes `text` as GBK to `path`; true when the new content is in place.
bool WriteTextFile(const QString& text, const QString& path);

// Tries WriteTextFile up to 31 times, yielding to the event loop between attempts;
// a target that stays locked is finally written as path + "1", then path + "11".
// Returns the path written, or an empty string when every attempt failed.
QString SaveTextFile(const QString& text, const QString& path);

// The whole file's bytes (the caller decodes them). Retries a file that cannot be
// opened up to 100 times; then shows "无法打开下载文档：" and returns an empty array.
// With `deleteAfterReading` a file that gave content is removed.
QByteArray ReadTextFile(const QString& path, bool deleteAfterReading, Asker& asker);

// Writes `bytes` through a temporary file beside `path`, which it then replaces in one
// step (background pictures beside a format file): never a half-written file.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
