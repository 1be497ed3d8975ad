#pragma once
// The format flows that ask the user: deleting a format and the store part of
// saving the open format under another name. The window and the tests share them.
#include <QString>
#include <QtGlobal>

class Asker;
class FormatStore;
class Progress;
struct Format;

// Refuses the current format, asks for confirmation, then removes the format's rows
// (the background picture stays). True when the format was deleted.
bool DeleteFormat(FormatStore& store, Asker& asker, const QString& name,
                  const QString& currentName);

enum class SaveOutcome { Saved, Failed, Reload };

// Saves the open format under its own name. When another seat of a server store saved
// it since it was read, asks "格式“…”已被其他用户修改，是否覆盖？": Yes overwrites,
// No leaves the other seat's format stored and returns Reload for the caller to read
// it back.
SaveOutcome SaveOpenFormat(FormatStore& store, Asker& asker, Format& format,
                           qint64 screenWidthTwips, Progress& progress);

enum class SaveAsOutcome { Saved, Declined, Failed };

// Saves `current` (the open format, still named by current.name) as `newName`:
// asks before overwriting an existing format, copies the background picture when
// the new name has none, stores the boxes and page parameters and copies the
// per-format parameters, all in one transaction. Storing the default records
// before, and opening the new format after, are the caller's.
SaveAsOutcome SaveFormatAs(FormatStore& store, Asker& asker, Format& current,
                           const QString& newName, qint64 screenWidthTwips, Progress& progress);
