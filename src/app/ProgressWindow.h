#pragma once
// The progress indicator: a small window with a caption, a bar and a percentage.
// It repaints on every step, so long operations on the one UI thread stay visible.
#include "core/Progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

class ProgressWindow final : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    void Start(const QString& caption, int steps) override;
    void Step() override;
    void Close() override;

    QString Caption() const;
    int Percent() const;

private:
    void Repaint();
    void CentreOnWindow();

    QLabel* caption_;
    QProgressBar* bar_;
    QLabel* percent_;
};
