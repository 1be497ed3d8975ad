#pragma once
// The format tree's popup commands with their questions, refusals and messages. Each
// works on the shown tree, stores it when it changed and reports whether it did. The
// window's tree and the command line share them.
#include <QString>
#include <optional>

class Asker;
class Database;
struct FormatTreeValue;

// "添加格式分类": asks for the class name; the added class, or nullopt.
std::optional<QString> AddTreeClass(FormatTreeValue& tree, Database& db, Asker& asker);

// "删除" on a format: DeleteFormat (the current format is refused, the user
// confirms), then its node goes.
bool DeleteTreeFormat(FormatTreeValue& tree, Database& db, Asker& asker, const QString& name,
                      const QString& currentName);
// "删除" on a class: asks, then deletes its formats from the last to the first and
// stops at the first one refused or declined; the class goes only when all went.
bool DeleteTreeClass(FormatTreeValue& tree, Database& db, Asker& asker, const QString& className,
                     const QString& currentName);

// "改名" on a class: asks for the new name. The new name, or nullopt.
std::optional<QString> RenameTreeClass(FormatTreeValue& tree, Database& db, Asker& asker,
                                       const QString& className);
// "改名" on a format: asks for the new name, then renames the format's records, its
// background picture and its node together. The new name, or nullopt.
std::optional<QString> RenameTreeFormat(FormatTreeValue& tree, Database& db, Asker& asker,
                                        const QString& name);

// A format node dropped on a class node.
bool MoveTreeFormat(FormatTreeValue& tree, Database& db, const QString& name,
                    const QString& className);
