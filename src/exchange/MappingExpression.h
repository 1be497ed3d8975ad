#pragma once
// What goes into one box: a mapping expression of terms separated by commas, each
// either a literal in double quotes or column letters with an optional "+" row
// offset (B, C+1). Full-width quotes and commas count as plain ones.
#include <QList>
#include <QString>

struct MappingTerm {
    bool literal = false;
    QString text;   // a literal's text
    int column = 0; // a cell's column; 0 names none
    int offset = 0; // rows after the record's first row
};

// Full-width quotes and commas made plain, trimmed, one leading and one trailing
// comma removed.
QString NormaliseExpression(const QString& expression);

// The terms in order. Commas inside a literal belong to the literal.
QList<MappingTerm> ParseMappingExpression(const QString& expression);
