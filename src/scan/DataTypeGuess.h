#pragma once
// The data type a blank's caption asks for: the caption's words (大写, 金额, 日期, 邮编,
// 数量, ...) and the blank's shape (a row of digit cells carries its count) choose a
// row of the data-type table.
#include "scan/ScanProposal.h"

// The stored code (`Cash`) for a text box with this label over this blank.
double GuessDataType(const QString& label, BlankShape shape, int cells);

// The data type's caption in the type table (the plain text type's for an unknown code).
QString DataTypeName(double dataType);

// The caption as a label: spaces and the colon or other punctuation around it gone,
// half-width brackets made full-width.
QString LabelFromCaption(const QString& caption);

// The words of a row that ask for 金额 = 数量 × 单价.
bool IsAmountLabel(const QString& label);
bool IsQuantityLabel(const QString& label);
bool IsUnitPriceLabel(const QString& label);
