#pragma once
// Text in the Chinese ANSI code page (GBK, code page 936) that format files and
// older tools use.
#include <QByteArray>
#include <QString>
#include <optional>

// GBK bytes of `text`. Characters GBK lacks are written as their four-byte GB18030
// sequences instead of being lost as "?"; every GBK character keeps its GBK bytes.
QByteArray EncodeAnsi(const QString& text);

// GBK or GB18030 bytes to text; nullopt on bytes that are neither.
std::optional<QString> DecodeAnsi(const QByteArray& bytes);

// The text of a file written by this or an older program, in whatever encoding
// TextDecoder finds; nullopt when it cannot be decoded.
std::optional<QString> DecodeTextFileBytes(const QByteArray& bytes);
