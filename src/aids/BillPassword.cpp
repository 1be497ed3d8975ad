#include "aids/BillPassword.h"

#include "content/DataTypes.h"
#include "document/FormatDocument.h"

#include <QRandomGenerator>
#include <QStringList>
#include <limits>

namespace {
const QString kFieldSeparator = QStringLiteral("{[]}");

int CountOr(const QString& text, int fallback, int limit) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= limit ? value : fallback;
}
} // namespace

PasswordParams DecodePasswordParams(const QString& stored) {
    const PasswordParams defaults;
    const QStringList fields = stored.split(kFieldSeparator);
    if (stored.isEmpty() || fields.size() < 4) return defaults;
    PasswordParams params;
    params.charset = fields[0].isEmpty() ? defaults.charset : fields[0];
    params.perSegment = CountOr(fields[1], defaults.perSegment, kMaxPerSegment);
    params.segments = CountOr(fields[2], defaults.segments, kMaxSegments);
    params.separator = fields[3];
    return params;
}

QString EncodePasswordParams(const PasswordParams& params) {
    return QStringList{params.charset, QString::number(params.perSegment),
                       QString::number(params.segments), params.separator}
        .join(kFieldSeparator);
}

quint32 UniformIndex(QRandomGenerator& random, quint32 count) {
    // Draws at or above the largest multiple of count would favour the low indexes.
    const quint64 range = quint64(std::numeric_limits<quint32>::max()) + 1;
    const quint64 limit = range - range % count;
    quint64 draw = 0;
    do draw = random.generate();
    while (draw >= limit);
    return quint32(draw % count);
}

QString GeneratePassword(const PasswordParams& params, QRandomGenerator& random) {
    const QList<uint> charset = params.charset.toUcs4();
    if (charset.isEmpty()) return {};
    QString separator = params.separator;
    separator.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString password;
    for (int segment = 0; segment < params.segments; ++segment) {
        if (segment > 0) password += separator;
        for (int i = 0; i < params.perSegment; ++i) {
            const char32_t c = charset[qsizetype(UniformIndex(random, quint32(charset.size())))];
            password += QString::fromUcs4(&c, 1);
        }
    }
    return password;
}

void FillPasswordAreas(FormatDocument& document) {
    const PasswordParams params = DecodePasswordParams(document.GetFormat().page.options.passwordArea);
    QList<qint64> boxes;
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (box.kind == BoxKind::Text && FamilyOf(box.cash) == DataFamily::Password) boxes.append(box.id);
    for (qint64 id : boxes) document.SetContent(id, GeneratePassword(params, *QRandomGenerator::system()));
}
