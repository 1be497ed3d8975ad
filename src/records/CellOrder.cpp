#include "records/CellOrder.h"

#include <QCollator>
#include <QLocale>
#include <cmath>

namespace {

const QCollator& ChineseCollator() {
    static const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    return collator;
}

} // namespace

std::optional<double> CellNumber(const QString& cell) {
    QString text = cell.trimmed();
    if (!text.isEmpty() && QStringLiteral("￥¥$").contains(text.front())) text.remove(0, 1);
    text.remove(QLatin1Char(','));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

CellKey::CellKey(const QString& cell) {
    if (cell.isEmpty()) return;
    if (const std::optional<double> number = CellNumber(cell)) {
        rank_ = Number;
        number_ = *number;
        return;
    }
    rank_ = Text;
    text_ = ChineseCollator().sortKey(cell);
}

int CellKey::Compare(const CellKey& other) const {
    if (rank_ != other.rank_) return rank_ < other.rank_ ? -1 : 1;
    if (rank_ == Number) return number_ < other.number_ ? -1 : (number_ > other.number_ ? 1 : 0);
    if (rank_ == Text) return text_->compare(*other.text_);
    return 0;
}
