#include "formatfile/FormatFile.h"

#include "formatfile/AnsiText.h"
#include "formatfile/FormatFileFields.h"
#include "formatfile/FormatFileTexts.h"
#include "store/FormatLimits.h"

#include <algorithm>
#include <optional>

namespace {

using namespace FormatFileTexts;

const QString kCrLf = QStringLiteral("\r\n");

// Files that passed through a Unix tool may have lost their CRs.
QStringList SplitLines(const QString& text) {
    return text.split(text.contains(kCrLf) ? kCrLf : QStringLiteral("\n"));
}

// A record line broken by a raw line break inside a field continues on the next
// lines: walking up from the last, a line that is empty or has too few fields is
// appended (after a CR LF) to the line above. Separator counts are kept per piece
// so that long runs of continuation lines stay linear.
QStringList RejoinContinuations(const QStringList& lines) {
    QStringList records;
    QStringList pending; // continuation pieces, last line first
    qsizetype pendingSeparators = 0;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString& line = lines[i];
        const qsizetype separators = line.count(kFieldSeparator) + pendingSeparators;
        const bool empty = line.isEmpty() && pending.isEmpty();
        if (i > 0 && (empty || separators + 1 < kRequiredFieldCount)) {
            pending.append(line);
            pendingSeparators = separators;
            continue;
        }
        QString record = line;
        for (auto piece = pending.crbegin(); piece != pending.crend(); ++piece)
            record += kCrLf + *piece;
        records.prepend(record);
        pending.clear();
        pendingSeparators = 0;
    }
    return records;
}

// The section is "key=[value][END]" entries; line breaks inside values are dropped.
// nullopt when the last entry was cut short or a value is longer than a field may be.
std::optional<QList<CustomContentEntry>> ParseCustomContent(QString text) {
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    QStringList pieces = text.split(kCustomValueClose);
    if (!pieces.takeLast().trimmed().isEmpty()) return std::nullopt;
    QList<CustomContentEntry> entries;
    for (const QString& piece : std::as_const(pieces)) {
        const qsizetype open = piece.indexOf(kCustomValueOpen);
        if (open <= 0) continue;
        entries.append({piece.left(open), piece.mid(open + kCustomValueOpen.size())});
        if (!FieldLengthInRange(entries.last().key) || !FieldLengthInRange(entries.last().value))
            return std::nullopt;
    }
    return entries;
}

// Values a format cannot sensibly hold (see FormatLimits) make the file faulty.
bool WithinLimits(const FormatFileContent& content) {
    return FieldLengthInRange(content.nameLine) && PageParamsInRange(content.page)
           && std::all_of(content.boxes.begin(), content.boxes.end(), BoxInRange);
}

} // namespace

QString ComposeFormatFile(const FormatFileContent& content) {
    QList<const BoxRecord*> boxes;
    for (const BoxRecord& box : content.boxes) boxes.append(&box);
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](const BoxRecord* a, const BoxRecord* b) { return a->id < b->id; });

    QStringList lines{kFileHeader, content.nameLine};
    bool pageWritten = false;
    for (const BoxRecord* box : boxes) {
        if (!pageWritten && content.pageId < box->id) {
            lines.append(PageFields(content.pageId, content.page).join(kFieldSeparator));
            pageWritten = true;
        }
        lines.append(BoxFields(*box).join(kFieldSeparator));
    }
    if (!pageWritten) lines.append(PageFields(content.pageId, content.page).join(kFieldSeparator));

    lines.append(kCustomSection);
    for (const CustomContentEntry& entry : content.custom)
        lines.append(entry.key + kCustomValueOpen + entry.value + kCustomValueClose);
    return lines.join(kCrLf);
}

ParsedFormatFile ParseFormatFile(const QString& text) {
    ParsedFormatFile parsed;
    const QStringList lines = SplitLines(text);
    if (lines.size() < 3 || lines[0] != kFileHeader) {
        parsed.error = FormatFileError::Unrecognised;
        return parsed;
    }
    FormatFileContent& content = parsed.content;
    content.nameLine = lines[1];

    // The custom section is cut off first so that it never folds into the last record.
    // Every file ends with it: without it the file was cut short, and its last boxes
    // would be silently missing.
    const qsizetype section = lines.indexOf(kCustomSection, 2);
    const std::optional<QList<CustomContentEntry>> custom =
        section < 0 ? std::nullopt : ParseCustomContent(lines.mid(section + 1).join(QString()));
    if (!custom) {
        parsed.error = FormatFileError::Malformed;
        return parsed;
    }
    content.custom = *custom;

    bool pageFound = false;
    for (const QString& line : RejoinContinuations(lines.mid(2, section - 2))) {
        const std::optional<BoxRecord> row = ParseRowFields(line.split(kFieldSeparator));
        if (!row) {
            parsed.error = FormatFileError::Malformed;
            return parsed;
        }
        if (row->label != kPageParamsLabel) {
            content.boxes.append(*row);
        } else if (!pageFound) { // a second page row would be a stray copy
            pageFound = true;
            content.pageFirst = content.boxes.isEmpty();
            content.pageId = row->id;
            content.page = PageFromRow(*row);
        }
    }
    if (!pageFound || !WithinLimits(content)) parsed.error = FormatFileError::Malformed;
    return parsed;
}

ParsedFormatFile ParseFormatFileBytes(const QByteArray& bytes) {
    const std::optional<QString> text = DecodeTextFileBytes(bytes);
    if (!text) {
        ParsedFormatFile parsed;
        parsed.error = FormatFileError::Unrecognised;
        return parsed;
    }
    return ParseFormatFile(*text);
}
