#pragma once
// How the text-box editor stores relations (`RCtl`, `RCtl1`) and sum targets
// (`SumID`, `SumID1`), and how it lists the boxes they may name.
#include <QString>
#include <QtGlobal>

// A relation: + ID for "相同" (same content), − ID for "相关" (related); 0 for none.
double RelationCode(qint64 id, bool related);
struct RelationChoice {
    qint64 id = 0;
    bool related = false;
};
RelationChoice RelationFromCode(double code);

// A sum target: ± (ID + t), minus for "累乘" (multiply), t = 0.1 for "取负" (negate);
// 0 for none.
double SumTargetCode(qint64 id, bool multiply, bool negate);
struct SumChoice {
    qint64 id = 0;
    bool multiply = false;
    bool negate = false;
};
SumChoice SumTargetFromCode(double code);

// A list entry: the ID with six digits, zero-filled, + "｜" + caption; and back.
QString LinkEntryText(qint64 id, const QString& caption);
qint64 LinkEntryId(const QString& text);
