#pragma once
// The tables of a server store: the file's tables and names, with the server's types
// (64-bit whole numbers, double measures, texts compared byte by byte as in the file),
// a `rowid` on every table for the order rows were added in, the pictures of the formats
// (the data folder is not shared) and the layout version in `版本`.
#include <QString>

class Database;

inline constexpr int kServerSchemaVersion = 3;

// The group roles of a server store: designers change formats, mappings and
// parameters and delete history; clerks read them, print and keep history and defaults.
inline const QString kDesignerRole = QStringLiteral("vellumark_designer");
inline const QString kClerkRole = QStringLiteral("vellumark_clerk");

// What the store's triggers announce when a change commits: on the channel
// kChangeChannelPrefix + schema, the name of the table changed (StoreChanges.h).
inline constexpr char kChangeChannelPrefix[] = "vellumark:";
inline constexpr char kFormatsChangedNotice[] = "fmt";
inline constexpr char kBillsChangedNotice[] = "历史";

// Creates the tables of an empty server store, or leaves a current one alone. One
// transaction, serialised between seats starting at once.
bool UpgradeServerSchema(Database& db);

// Creates the tables, the two group roles (when missing) and their grants: the server
// itself refuses a clerk's change to a format. Needs a user that may create roles.
bool InitServerStore(Database& db);

// Makes `user` (a login role, created without a password when missing) a member of the
// role named "designer" or "clerk", and no longer of the other.
bool GrantServerRole(Database& db, const QString& user, const QString& role);
