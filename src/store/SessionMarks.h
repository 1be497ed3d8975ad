#pragma once
// Each process that has the store open holds a mark in the Temp folder and removes it
// when it closes the store. A mark whose process is gone tells that a session ended
// without closing: a crash, a kill or a power cut.
#include <QList>
#include <QString>
#include <memory>

class QLockFile;

// The marks of ended sessions, taken over; dropping them removes the files.
using EndedSessionMarks = QList<std::shared_ptr<QLockFile>>;
EndedSessionMarks TakeEndedSessionMarks();

// Marks this process's session; the mark goes when the returned object is dropped.
// nullptr when the mark cannot be written.
std::shared_ptr<QLockFile> MarkSessionOpen();
