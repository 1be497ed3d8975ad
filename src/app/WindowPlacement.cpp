#include "app/WindowPlacement.h"

#include "store/ParamStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace {
constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

// The work area of the screen under `point`, or of the widget's own screen.
QRect ScreenRect(const QWidget* widget, QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = widget->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int ToTwips(int pixels, double perPixel) { return qRound(pixels * perPixel); }
int ToPixels(int twips, double perPixel) { return qRound(twips / perPixel); }

QString SplitterParam(const QString& name) { return QStringLiteral("分隔条：") + name; }
} // namespace

int ScreenWidthTwips(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const int pixels = screen ? screen->geometry().width() : 1024;
    return ToTwips(pixels, TwipsPerPixel(widget));
}

void SaveWindowPlacement(ParamStore& params, const QWidget* window, const QString& name) {
    const double perPixel = TwipsPerPixel(window);
    const int screenWidth = ScreenWidthTwips(window);
    ParamStore::Placement placement;
    if (window->isMaximized() || window->isFullScreen()) {
        placement.width = screenWidth; // a screen-wide window is stored as 0;0;0;0
    } else {
        // The position of the frame and the size of the client area: what move() and
        // resize() take back, so the window returns exactly where it was.
        const QPoint position = window->pos();
        const QSize size = window->size();
        placement = {ToTwips(position.x(), perPixel), ToTwips(position.y(), perPixel),
                     ToTwips(size.width(), perPixel), ToTwips(size.height(), perPixel)};
    }
    params.SaveWindowPlacement(name, placement, screenWidth);
}

QRect KeepOnScreen(const QRect& wanted, const QRect& screen) {
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(screen.size()));
    placed.moveLeft(qBound(screen.left(), placed.left(), screen.right() + 1 - placed.width()));
    placed.moveTop(qBound(screen.top(), placed.top(), screen.bottom() + 1 - placed.height()));
    return placed;
}

void RestoreWindowPlacement(ParamStore& params, QWidget* window, const QString& name) {
    const std::optional<ParamStore::Placement> stored = params.ReadWindowPlacement(name);
    if (!stored || stored->width <= 0 || stored->height <= 0) return;
    const double perPixel = TwipsPerPixel(window);
    const QPoint position(ToPixels(stored->left, perPixel), ToPixels(stored->top, perPixel));
    const QSize size(ToPixels(stored->width, perPixel), ToPixels(stored->height, perPixel));
    // The frame (known once the window is shown) must fit on the screen as well.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QRect placed = KeepOnScreen(QRect(position, size + frame), ScreenRect(window, position));
    window->resize(placed.size() - frame);
    window->move(placed.topLeft());
}

void SaveSplitterSizes(ParamStore& params, const QSplitter* splitter, const QString& name) {
    QStringList sizes;
    for (int size : splitter->sizes()) sizes << QString::number(size);
    params.SetParam(SplitterParam(name), sizes.join(u';'));
}

void RestoreSplitterSizes(ParamStore& params, QSplitter* splitter, const QString& name) {
    const QStringList stored = params.GetParam(SplitterParam(name)).split(u';', Qt::SkipEmptyParts);
    if (stored.size() != splitter->count()) return;
    QList<int> sizes;
    for (const QString& size : stored) {
        bool ok = false;
        const int pixels = size.toInt(&ok);
        if (!ok || pixels < 0) return;
        sizes << pixels;
    }
    splitter->setSizes(sizes);
}
