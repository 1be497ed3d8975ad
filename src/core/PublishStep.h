#pragma once
// What a print job publishes together with its output, as one transaction: prepared
// before the output is published (a PDF renamed onto its target, a job handed to the
// spooler), committed after it, rolled back when publishing fails. The output goes
// first, so a crash between the two can leave output whose records are missing but
// never records without their output.
#include <QString>

class PublishStep {
public:
    virtual ~PublishStep() = default;
    // False, with the reason, when the step cannot be made ready: nothing is published.
    virtual bool Prepare(QString* reason) = 0;
    // After the output is out; false when what was prepared could not be kept.
    virtual bool Commit() = 0;
    virtual void Rollback() = 0;
};
