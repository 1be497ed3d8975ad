#pragma once
// Each process that has the store open holds a mark in the Temp folder and removes it
// when it closes the store. A mark whose process is gone tells that a session ended
// without closing: a crash, a kill or a power cut.
//
// A mark is an empty file its session keeps locked (flock) while it lives; the lock goes
// with the process, however it ends. Nothing is written into it and it is not flushed
// to the disk: the store's own writes are safe against a power cut, and flushing the
// mark made every command wait for the disk.
#include <QByteArray>
#include <QList>
#include <memory>

class SessionMark {
public:
    SessionMark(int fd, QByteArray path) : fd_(fd), path_(std::move(path)) {}
    // Removes the file while still holding its lock, so no other process takes the mark
    // of a session that closed for one that ended.
    ~SessionMark();
    SessionMark(const SessionMark&) = delete;
    SessionMark& operator=(const SessionMark&) = delete;

private:
    int fd_;
    QByteArray path_;
};

// The marks of ended sessions, taken over; dropping them removes the files.
using EndedSessionMarks = QList<std::shared_ptr<SessionMark>>;
EndedSessionMarks TakeEndedSessionMarks();

// Marks this process's session; the mark goes when the returned object is dropped.
// nullptr when the mark cannot be written.
std::shared_ptr<SessionMark> MarkSessionOpen();
