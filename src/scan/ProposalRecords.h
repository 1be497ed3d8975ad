#pragma once
// Turning accepted proposed boxes into box records of the open format: all of them
// (and the 数量 × 单价 links into 金额) go into the document as one undoable step.
#include "scan/ScanProposal.h"

#include <QSet>

class FormatDocument;

// The record of one proposed box, without links.
BoxRecord RecordOf(const ProposedBox& box);

// `label`, or when another box has it, the label with the first free number after it
// (数量 → 数量2, 数量3).
QString FreeLabel(const QString& label, const QSet<QString>& taken);

// Adds the boxes to the document's format as one undo step named 从扫描图生成内容框;
// a label a box of the format already has takes the next free number. The IDs the
// boxes got, in order.
QList<qint64> ApplyProposal(FormatDocument& document, const QList<ProposedBox>& boxes);

// Writes the straightened picture as the format's background (through a temporary
// file that then replaces the old picture). False when it could not be written.
bool SaveBackground(const QImage& picture, const QString& path);
