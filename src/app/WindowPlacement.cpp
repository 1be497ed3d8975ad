#include "app/WindowPlacement.h"

#include "store/ParamStore.h"

#include <QScreen>
#include <QWidget>

namespace {
constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

QRect ScreenRect(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int ToTwips(int pixels, double perPixel) { return qRound(pixels * perPixel); }
int ToPixels(int twips, double perPixel) { return qRound(twips / perPixel); }
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
        const QRect frame = window->geometry();
        placement = {ToTwips(frame.left(), perPixel), ToTwips(frame.top(), perPixel),
                     ToTwips(frame.width(), perPixel), ToTwips(frame.height(), perPixel)};
    }
    params.SaveWindowPlacement(name, placement, screenWidth);
}

void RestoreWindowPlacement(ParamStore& params, QWidget* window, const QString& name) {
    const std::optional<ParamStore::Placement> stored = params.ReadWindowPlacement(name);
    if (!stored) return;
    const double perPixel = TwipsPerPixel(window);
    const QRect screen = ScreenRect(window);
    const int left = ToPixels(stored->left, perPixel), top = ToPixels(stored->top, perPixel);
    const int width = ToPixels(stored->width, perPixel), height = ToPixels(stored->height, perPixel);
    if (width > 0 && height > 0)
        window->resize(qMin(width, screen.width()), qMin(height, screen.height()));
    if (top + height > 0 && left + width > 0 && left < screen.right() && top < screen.bottom())
        window->move(left, top);
}
