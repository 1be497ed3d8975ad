#pragma once
// Bill passwords for invoice password areas (data type 132): segments of characters
// drawn from a set, joined by a separator. The parameters are kept per format in the
// page options as four fields joined by "{[]}".
#include <QString>

class FormatDocument;
class QRandomGenerator;

struct PasswordParams {
    QString charset = QStringLiteral("0123456789+-*/><");
    int perSegment = 21;
    int segments = 4;
    QString separator = QStringLiteral("\r\n");

    bool operator==(const PasswordParams&) const = default;
};

// Counts outside these bounds are taken as the defaults.
inline constexpr int kMaxPerSegment = 1000;
inline constexpr int kMaxSegments = 100;

// The stored text read back; the defaults when it is empty or has fewer than four
// fields, and for an empty set or a count that is not a whole number within bounds.
PasswordParams DecodePasswordParams(const QString& stored);
QString EncodePasswordParams(const PasswordParams& params);

// One password: every character drawn uniformly from the set; line breaks in the
// separator as a box holds them ("\n").
QString GeneratePassword(const PasswordParams& params, QRandomGenerator& random);
// A uniform index below `count` (no modulo bias).
quint32 UniformIndex(QRandomGenerator& random, quint32 count);

// "自动生成密码": a new password from the system's secure random source into every
// text box of type 132, without conversion.
void FillPasswordAreas(FormatDocument& document);
