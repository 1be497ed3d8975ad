#include "exchange/GridSort.h"

#include "exchange/ExchangeTexts.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <optional>

SortMark NextSortMark(SortMark current) {
    return current == SortMark::Ascending ? SortMark::Descending : SortMark::Ascending;
}

QString MarkedHeader(const QString& header, SortMark mark) {
    switch (mark) {
    case SortMark::Ascending: return header + ExchangeText::kAscendingMark;
    case SortMark::Descending: return header + ExchangeText::kDescendingMark;
    default: return header;
    }
}

QList<int> SortedOrder(const QStringList& keys, bool ascending) {
    QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    collator.setNumericMode(true);
    struct Key {
        std::optional<double> number;
        QCollatorSortKey text;
    };
    QList<Key> sortKeys;
    sortKeys.reserve(keys.size());
    for (const QString& key : keys) {
        bool isNumber = false;
        const double number = key.trimmed().toDouble(&isNumber);
        sortKeys.append({isNumber ? std::optional<double>(number) : std::nullopt,
                         collator.sortKey(key)});
    }
    const auto less = [&sortKeys](int a, int b) {
        const Key& x = sortKeys[a];
        const Key& y = sortKeys[b];
        if (x.number && y.number) return *x.number < *y.number;
        if (x.number || y.number) return bool(x.number);
        return x.text.compare(y.text) < 0;
    };
    QList<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    if (ascending) std::stable_sort(order.begin(), order.end(), less);
    else std::stable_sort(order.begin(), order.end(), [&less](int a, int b) { return less(b, a); });
    return order;
}
