#include "app/printui/PrintProgressDialog.h"

#include "app/printui/PrintUiTexts.h"

#include <QCoreApplication>

namespace {
// Waiting for window events between bills at most this often keeps a fast batch fast
// and the cancel button answering.
constexpr qint64 kEventIntervalMs = 30;
} // namespace

PrintProgressDialog::PrintProgressDialog(QWidget* parent) : QProgressDialog(parent) {
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowModality(Qt::WindowModal);
    setCancelButtonText(PrintUiText::kCancel);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(320);
}

void PrintProgressDialog::Start(const QString& caption, int steps) {
    setWindowTitle(caption);
    setLabelText(caption);
    setRange(0, qMax(1, steps));
    setValue(0);
    show();
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void PrintProgressDialog::Step() {
    const bool last = value() + 1 + pending_ >= maximum();
    if (!last && sinceEvents_.elapsed() < kEventIntervalMs) {
        // Counted without repainting; the bar catches up at the next interval.
        ++pending_;
        return;
    }
    setValue(qMin(maximum(), value() + 1 + pending_));
    pending_ = 0;
    // A window-modal dialog does not let events through by itself.
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void PrintProgressDialog::Close() { hide(); }
