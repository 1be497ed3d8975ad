#include "exchange/ColumnLetters.h"

namespace {
constexpr int kBeforeA = 64;
constexpr int kLetters = 26;
} // namespace

int ColumnNumber(const QString& letters) {
    const QString text = letters.trimmed().toUpper();
    if (text.isEmpty() || text.size() > 2) return 0;
    int column = text[0].unicode() - kBeforeA;
    if (text.size() == 2) column = column * kLetters + text[1].unicode() - kBeforeA;
    return qMax(column, 1);
}

QString ColumnLetters(int column) {
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / kLetters)
        letters.prepend(QChar(kBeforeA + 1 + (n - 1) % kLetters));
    return letters;
}
