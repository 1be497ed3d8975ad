#include "app/StoreWatch.h"

#include "app/StoreRecovery.h"
#include "core/Asker.h"
#include "store/Database.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QApplication>
#include <QLabel>
#include <QThread>
#include <QTimer>

StoreWatch::StoreWatch(Asker& asker) : asker_(asker), note_(new QLabel(StoreTexts::kBusyWaiting)) {
    note_->setObjectName(QStringLiteral("BusyNote"));
    note_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    note_->setMargin(16);
    BusyWait wait = Database::CurrentBusyWait();
    wait.watcher = [this](int waitedMs) { ShowWait(waitedMs); };
    Database::SetBusyWait(wait);
    Database::SetFaultWatcher([this](StoreFault fault, const QString& path) {
        // Told after the operation that met it, never from inside a statement.
        if (messagePending_) return;
        messagePending_ = true;
        QTimer::singleShot(0, note_, [this, fault, path] {
            messagePending_ = false;
            if (fault != StoreFault::Damaged) asker_.Message(FaultMessage(fault, path));
            // The file is swapped only once the window has closed it.
            else if (UserWantsBackup(asker_, StoreTexts::Damaged(path)))
                QApplication::exit(kRestoreRequested);
        });
    });
}

StoreWatch::~StoreWatch() {
    BusyWait wait = Database::CurrentBusyWait();
    wait.watcher = nullptr;
    Database::SetBusyWait(wait);
    Database::SetFaultWatcher(nullptr);
    delete note_;
}

void StoreWatch::ShowWait(int waitedMs) {
    if (waitedMs == 0) {
        note_->hide();
        return;
    }
    if (!note_->isVisible()) {
        if (QWidget* window = QApplication::activeWindow())
            note_->move(window->geometry().center() - QPoint(note_->sizeHint().width() / 2, 0));
        note_->show();
    }
    note_->repaint();
    // Only painting: input, timers and the like would reach the store from inside the
    // waiting statement.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                        | QEventLoop::ExcludeSocketNotifiers
                                        | QEventLoop::X11ExcludeTimers);
}
