#include "app/ProgressWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      caption_(new QLabel(this)), bar_(new QProgressBar(this)), percent_(new QLabel(this)) {
    setObjectName(QStringLiteral("Progress"));
    setWindowModality(Qt::ApplicationModal);
    bar_->setTextVisible(false);
    percent_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(bar_);
    layout->addWidget(percent_);
    setMinimumWidth(320);
}

void ProgressWindow::Start(const QString& caption, int steps) {
    caption_->setText(caption);
    setWindowTitle(caption);
    bar_->setRange(0, qMax(1, steps));
    bar_->setValue(0);
    CentreOnWindow();
    show();
    raise();
    Repaint();
}

// Over the middle of the window it works for, where the eye already is, rather than
// wherever the window system puts a new small window.
void ProgressWindow::CentreOnWindow() {
    adjustSize();
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) return;
    QRect frame = frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    move(frame.topLeft());
}

void ProgressWindow::Step() {
    if (bar_->value() < bar_->maximum()) bar_->setValue(bar_->value() + 1);
    Repaint();
}

void ProgressWindow::Close() { hide(); }

QString ProgressWindow::Caption() const { return caption_->text(); }

int ProgressWindow::Percent() const {
    return bar_->maximum() > 0 ? bar_->value() * 100 / bar_->maximum() : 0;
}

void ProgressWindow::Repaint() {
    percent_->setText(QStringLiteral("%1%").arg(Percent()));
    repaint();
    // Let the window system show the new state; input stays blocked by the modality.
    // Before the event loop runs (start-up) nothing waits to be shown, and handling
    // posted events then would run deferred deletions in the middle of the caller's
    // own work (a window being shown and laid out).
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
