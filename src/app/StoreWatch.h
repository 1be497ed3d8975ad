#pragma once
// The window's side of the store's troubles. While a statement waits for another
// process's lock, "数据库正忙，请稍候…" shows; when one fails for good (busy past the
// wait, a full disk, a damaged file) the user is told once the operation is over,
// and for a damaged file offered the newest backup: the event loop then ends with
// kRestoreRequested, for the backup to be restored once the store is closed.

class Asker;
class QLabel;

class StoreWatch {
public:
    static constexpr int kRestoreRequested = 75;

    explicit StoreWatch(Asker& asker);
    ~StoreWatch(); // stops watching
    StoreWatch(const StoreWatch&) = delete;
    StoreWatch& operator=(const StoreWatch&) = delete;

    // The busy note, for tests.
    QLabel* BusyNote() const { return note_; }

private:
    void ShowWait(int waitedMs);

    Asker& asker_;
    QLabel* note_; // a window of its own, deleted with the watch
    bool messagePending_ = false;
};
