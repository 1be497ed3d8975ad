#pragma once
// What the link columns of a box record mean: relations (`RCtl`, `RCtl1`) and sum
// targets (`SumID`, `SumID1`) name a box by the whole part of their absolute value;
// the sign and the fraction carry the options.
#include <QtGlobal>

// A relation: + ID for "相同" (same content), − ID for "相关" (related); 0 for none.
struct BoxRelation {
    qint64 id = 0;
    bool related = false;
};
double RelationCode(qint64 id, bool related);
BoxRelation RelationFromCode(double code);

// A sum target: ± (ID + t), minus for "累乘" (multiply), t = 0.1 for "取负" (negate);
// 0 for none.
struct SumTarget {
    qint64 id = 0;
    bool multiply = false;
    bool negate = false;
};
double SumTargetCode(qint64 id, bool multiply, bool negate);
SumTarget SumTargetFromCode(double code);
