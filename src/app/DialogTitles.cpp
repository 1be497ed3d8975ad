#include "app/DialogTitles.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

namespace {
// The frame's icon and its minimize, maximize and close buttons.
constexpr int kFrameButtonsWidth = 140;
} // namespace

int TitleWidth(const QWidget* window) {
    QString title = window->windowTitle();
    const QString application = QGuiApplication::applicationDisplayName();
    // The frame adds the application's name, as Qt does for every title.
    if (!application.isEmpty() && !title.endsWith(application))
        title += QStringLiteral(" — ") + application;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kFrameButtonsWidth;
}

bool DialogTitleFitter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->width() < TitleWidth(dialog))
            dialog->resize(qMin(TitleWidth(dialog), dialog->maximumWidth()), dialog->height());
    }
    return QObject::eventFilter(watched, event);
}
