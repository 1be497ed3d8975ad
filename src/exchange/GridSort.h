#pragma once
// Sorting a grid by a header click: the first click sorts ascending and marks the
// header "△", the next descending with "▽", and so on; other headers lose their mark.
#include <QList>
#include <QString>
#include <QStringList>

enum class SortMark { None, Ascending, Descending };

SortMark NextSortMark(SortMark current);
// The header text with its mark.
QString MarkedHeader(const QString& header, SortMark mark);

// The row order that sorts `keys`: numbers by value before other texts in Chinese
// collation (pinyin), numbers inside texts by value; equal keys keep their order.
QList<int> SortedOrder(const QStringList& keys, bool ascending);
