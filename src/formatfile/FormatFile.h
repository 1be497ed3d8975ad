#pragma once
// The format file (.zhq): a header, the format name, one record line per Fmt row of
// the format, then the custom-content section. Lines are joined by CR LF, with none
// after the last; the bytes are GBK. This layout is shared with older versions.
#include "store/Format.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A custom type of the format: key "自定义类型" + code (the part after "name=>").
struct CustomContentEntry {
    QString key;
    QString value;
    bool operator==(const CustomContentEntry&) const = default;
};

// A format as its file carries it. IDs and links are those of the writing database.
struct FormatFileContent {
    QString nameLine;
    qint64 pageId = 0;
    PageParams page;
    bool pageFirst = false; // the page-parameter row comes before every box row
    QList<BoxRecord> boxes;
    QList<CustomContentEntry> custom;
};

// The file text. Rows go out in ID order, the page-parameter row at its own ID, as
// the database lists them.
QString ComposeFormatFile(const FormatFileContent& content);

enum class FormatFileError { None, Unrecognised, Malformed };

struct ParsedFormatFile {
    FormatFileError error = FormatFileError::None;
    FormatFileContent content;
};

// Reads a file text. Unrecognised: no header or fewer than 3 lines. Malformed: a
// record line with too few fields or a bad number, no page-parameter row, no custom
// section at the end (the file was cut short) or a cut last entry in it, or a value
// outside the limits of store/FormatLimits.h.
ParsedFormatFile ParseFormatFile(const QString& text);
// The same from the file's bytes (GBK, or UTF-8 with or without BOM); bytes in
// no known encoding are Unrecognised.
ParsedFormatFile ParseFormatFileBytes(const QByteArray& bytes);
