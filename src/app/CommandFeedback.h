#pragma once
// What the window says after commands that otherwise finish silently.
#include <QString>

class Asker;
class Database;
class Progress;

// After "检查凭据外内容框": how many boxes came back onto the page, or that none were off it.
QString PulledBackText(int count);
// A file size for people: "12.5 KB", "3.2 MB".
QString SizeText(qint64 bytes);

// "压缩整理数据库": tidies and compacts, then tells the database's size before and after.
bool CompactAndReport(Database& db, Asker& asker, Progress& progress, const QString& currentFormat);
