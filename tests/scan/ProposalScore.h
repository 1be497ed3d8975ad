#pragma once
// How well a proposal matches the blanks a bill really has: a blank is found when a
// box of its kind lies on it with every edge within the tolerance; a box on no blank
// is a false one. Labels and data types are counted over the blanks found.
#include "BillGenerator.h"
#include "scan/ScanProposal.h"

#include <QStringList>

struct ProposalScore {
    int blanks = 0, found = 0, proposed = 0, spurious = 0, labelsRight = 0, typesRight = 0;
    QStringList misses; // what went wrong, for the failure message

    void Add(const QList<TrueBlank>& truth, const QList<ProposedBox>& boxes, double toleranceMm,
             const QString& bill);
    double FoundRate() const { return blanks ? double(found) / blanks : 0; }
    double SpuriousRate() const { return proposed ? double(spurious) / proposed : 0; }
    double LabelRate() const { return found ? double(labelsRight) / found : 0; }
    double TypeRate() const { return found ? double(typesRight) / found : 0; }
    QString Summary() const;
};
