#include "app/ScanMenu.h"

#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/ScanFromWindow.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "scan/ScanTexts.h"
#include "store/BackgroundPictures.h"

#include <QAction>
#include <QMenu>

namespace {

bool CanAddBoxes(MainWindow& window) {
    return window.CurrentSession().HasFormat() && !window.Designer().IsLocked();
}

// The scan may have put a straightened picture into this seat's copy: the store takes
// it (a server store keeps pictures in its database), then the designer shows it.
void KeepScannedPicture(MainWindow& window) {
    Session& session = window.CurrentSession();
    BackgroundPictures(session.Db()).Publish(session.CurrentFormat().name);
    window.Designer().Rebuild();
}

} // namespace

void AddScanCommand(MainWindow& window, Asker& asker) {
    QMenu* menu = window.findChild<QMenu*>(QStringLiteral("mFmtMenu"));
    if (!menu) return;
    menu->addSeparator();
    QAction* action = menu->addAction(ScanTexts::kStep);
    action->setObjectName(QStringLiteral("mScanFmt"));
    QObject::connect(menu, &QMenu::aboutToShow, action, [&window, action] { action->setEnabled(CanAddBoxes(window)); });
    QObject::connect(action, &QAction::triggered, &window, [&window, &asker] {
        if (!CanAddBoxes(window)) return;
        // New boxes arrive through the document's signals; the picture is reloaded here.
        if (ProposeBoxesFromScan(&window, window.CurrentSession().Document(), asker, window.ProgressIndicator()))
            KeepScannedPicture(window);
    });
    QObject::connect(&window.Designer(), &DesignerView::BackgroundChanged, &window, [&window, &asker] {
        if (CanAddBoxes(window) &&
            OfferBoxesFromBackground(&window, window.CurrentSession().Document(), asker, window.ProgressIndicator()))
            KeepScannedPicture(window);
    });
}
