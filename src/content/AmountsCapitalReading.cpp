// Reading capital-amount boxes back as numbers, for auto calculation and statistics.
#include "content/Amounts.h"

#include "content/AmountsDecimal.h"
#include "content/DataTypes.h"

#include <QtNumeric>

namespace {

const QString kAmountVocabulary = QStringLiteral("零壹贰叁肆伍陆柒捌玖拾佰仟万亿元圆角分整");

bool AddTo(qint64& sum, qint64 value) { return !qAddOverflow(sum, value, &sum); }
bool ScaleBy(qint64& value, qint64 factor) { return !qMulOverflow(value, factor, &value); }

// Sums a capital amount place by place. Sections are closed by 万, 亿 and 元, so
// 壹万叁仟亿 (1.3 × 10^12 yuan) reads right, as does every 亿万 the writer collapsed.
// Overflow on malformed text makes the reading fail instead of wrapping.
class CapitalReader {
public:
    bool Read(QChar c) {
        const qsizetype digit = kCapitalDigits.indexOf(c);
        if (digit >= 0) {
            digit_ = digit;
            return true;
        }
        qint64 sum = 0;
        switch (c.unicode()) {
        case u'拾': return AddTo(section_, TakeDigit(1) * 10);
        case u'佰': return AddTo(section_, TakeDigit(1) * 100);
        case u'仟': return AddTo(section_, TakeDigit(1) * 1000);
        case u'万':
            sum = section_;
            section_ = 0;
            return AddTo(sum, TakeDigit(0)) && ScaleBy(sum, 10'000) && AddTo(wan_, sum);
        case u'亿':
            if (!TakePending(sum) || !ScaleBy(sum, 100'000'000)) return false;
            yi_ = sum;
            return true;
        case u'元':
        case u'圆': return TakePending(sum) && AddTo(yuan_, sum);
        case u'角': jiao_ = TakeDigit(0); return true;
        case u'分': fen_ = TakeDigit(0); return true;
        default: return true;  // 整 and blanks
        }
    }

    // Total in fen; a text without 元 still counts what stands before 角 and 分.
    bool Fen(qint64& total) {
        return TakePending(total) && AddTo(total, yuan_) && ScaleBy(total, 100) &&
               AddTo(total, jiao_ * 10 + fen_);
    }

private:
    // A bare 拾 means ten (拾伍 = 15), a bare 角 or 分 nothing.
    qint64 TakeDigit(qint64 missing) {
        const qint64 d = digit_ < 0 ? missing : digit_;
        digit_ = -1;
        return d;
    }
    bool TakePending(qint64& sum) {
        sum = yi_;
        const bool ok = AddTo(sum, wan_) && AddTo(sum, section_) && AddTo(sum, TakeDigit(0));
        yi_ = wan_ = section_ = 0;
        return ok;
    }

    qint64 yi_ = 0, wan_ = 0, section_ = 0, yuan_ = 0, jiao_ = 0, fen_ = 0;
    qint64 digit_ = -1;
};

QString ReadCapitalAmount(const QString& text) {
    const QString body = text.trimmed();
    const bool negative = body.startsWith(u'-');
    CapitalReader reader;
    for (QChar c : negative ? body.mid(1) : body) {
        // Malformed text is handed back for the caller to read as it can.
        if (!kAmountVocabulary.contains(c) && !c.isSpace()) return text;
        if (!reader.Read(c)) return text;
    }
    qint64 fen = 0;
    if (!reader.Fen(fen)) return text;
    return FenToShortest(fen, negative && fen != 0);
}

QString ReadCapitalDigits(const QString& text, bool withoutFen) {
    QString digits = DigitsToCapitals(text.trimmed(), -10);
    if (withoutFen) digits += QStringLiteral("00");
    Decimal value = ShiftPoint(LeadingNumber(digits), -2);
    if (value.IsZero()) value.negative = false;
    return ShortestForm(value);
}

}  // namespace

QString CapitalToNumber(const QString& text, double dataType) {
    switch (ConversionOf(dataType)) {
    case DataConversion::CapitalYuan:
    case DataConversion::CapitalRound: return ReadCapitalAmount(text);
    case DataConversion::CapitalDigits: return ReadCapitalDigits(text, false);
    case DataConversion::CapitalDigitsNoFen: return ReadCapitalDigits(text, true);
    default: return text;
    }
}
