#pragma once
// The staging files a PDF is written into before it replaces its target. Their names
// say whose they are: ".TARGET.vellumark-PID-RANDOM.part", hidden beside the target.
// A process killed while writing one cannot remove it, so the next job into the same
// folder removes every staging file whose process no longer runs.
#include <QString>

// A fresh staging name in `folder` for a target file named `targetName`.
QString NewStagingName(const QString& folder, const QString& targetName);

// Removes the staging files in `folder` left by processes that have ended; the count.
int RemoveStaleStaging(const QString& folder);
