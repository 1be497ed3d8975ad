#pragma once
// The progress of a print job in the window: caption, bar and a cancel button. The
// job asks between bills whether the user cancelled; it then ends cleanly.
#include "print/JobProgress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

class PrintProgressDialog final : public QProgressDialog, public JobProgress {
    Q_OBJECT
public:
    explicit PrintProgressDialog(QWidget* parent = nullptr);
    void Start(const QString& caption, int steps) override;
    void Step() override;
    void Close() override;
    bool CancelRequested() const override { return wasCanceled(); }

private:
    QElapsedTimer sinceEvents_;
    int pending_ = 0; // steps not shown yet
};
