// vellumark_sample_format DATA_DIR: stores the sample bank slip format in DATA_DIR's
// database, with its background picture, and makes it the format the window opens
// first, in a window that fills the screen. Run it on the display the window will use:
// font sizes and the window's place are stored for that screen.
#include "SampleBill.h"

#include "store/DataFolder.h"
#include "store/Database.h"
#include "app/AppTexts.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "core/Progress.h"
#include "store/Schema.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kPixelsPerMm = 8; // about 200 dpi, a common scanner setting

double TwipsPerPixel(const QScreen& screen) {
    return kTwipsPerInch / screen.logicalDotsPerInchX();
}

qint64 ScreenWidthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0; // stored as the default design width
    return qRound64(screen->geometry().width() * TwipsPerPixel(*screen));
}

// The main window's placement: the whole screen. The store forgets a screen-wide
// window, so it is told of a screen one twip wider.
void FillScreenWithWindow(ParamStore& params) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize size = screen->geometry().size() * TwipsPerPixel(*screen);
    params.SaveWindowPlacement(AppText::kMainWindowPlacement, {0, 0, size.width(), size.height()},
                               size.width() + 1);
}

int Fail(const QString& message) {
    QTextStream(stderr) << "vellumark_sample_format: " << message << '\n';
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) return Fail(QStringLiteral("usage: vellumark_sample_format DATA_DIR"));
    DataFolder::SetOverride(args[1]);

    QString error;
    const std::unique_ptr<Database> db = OpenDataDatabase(&error);
    if (!db) return Fail(error);
    FormatStore store(*db);
    Format format = SampleFormat();
    SilentProgress progress;
    if (!store.SaveFormat(format, format.name, ScreenWidthTwips(), progress))
        return Fail(QStringLiteral("the format was not stored"));
    const auto& boxes = format.page.options.optionBoxes;
    if (!store.WriteLastUse(format.name, {boxes[0], boxes[1], boxes[2]}))
        return Fail(QStringLiteral("the last-use row was not stored"));

    ParamStore params(*db);
    FillScreenWithWindow(params);

    const QString picture = BackgroundPicturePath(format.name);
    if (!SampleBackground(kPixelsPerMm).save(picture, "JPG", 90))
        return Fail(QStringLiteral("cannot write ") + picture);
    QTextStream(stdout) << picture << '\n';
    return 0;
}
