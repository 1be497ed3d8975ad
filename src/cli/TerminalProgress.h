#pragma once
// The progress of a long print on the command line.
#include "print/JobProgress.h"

#include <memory>

// A line "正在打印单据…… 120/300" rewritten on stderr when it is a terminal; nothing
// otherwise, so logs and pipes stay clean.
std::unique_ptr<JobProgress> ProgressForStderr();
