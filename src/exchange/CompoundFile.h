#pragma once
// Streams of an OLE compound file, the container of old binary .xls workbooks.
#include <QByteArray>
#include <QString>
#include <optional>

// The named stream (case-insensitive); nullopt when the bytes are not a compound
// file, the stream is missing, or its sector chains are damaged.
std::optional<QByteArray> ReadCompoundStream(const QByteArray& file, const QString& name);
