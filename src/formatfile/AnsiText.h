#pragma once
// Text in the Chinese ANSI code page (GBK, code page 936) that format files and
// older tools use.
#include <QByteArray>
#include <QString>
#include <optional>

// GBK bytes of `text`. Characters GBK lacks are written as their four-byte GB18030
// sequences instead of being lost as "?"; every GBK character keeps its GBK bytes.
QByteArray EncodeAnsi(const QString& text);

// GBK (with GB18030 four-byte sequences) to text; nullopt on bytes that are neither.
std::optional<QString> DecodeAnsi(const QByteArray& bytes);

// The text of a format or data file, whichever tool wrote it: UTF-8 with a byte-order
// mark, else UTF-8 when the bytes are valid UTF-8, else GBK. nullopt when none fits.
std::optional<QString> DecodeTextFileBytes(const QByteArray& bytes);
