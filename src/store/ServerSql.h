#pragma once
// The store's SQL is written once, for the file. The few forms the server reads
// otherwise are rewritten here, once per statement text:
//  - `?` placeholders become `$1`, `$2`, … in order;
//  - quoted names are folded to lower case, as the server folds unquoted ones, so
//    `"Fmt"` and `Fmt` name the same table;
//  - LIKE matches letters in either case, as the file's LIKE does (ILIKE).
// Text inside single quotes is left exactly as written.
#include <QString>

QString ServerSql(const QString& sql);

// The server's spelling of a table or column name given the program's spelling
// (`Fmt` → `fmt`, `历史` unchanged).
QString ServerName(const QString& name);
