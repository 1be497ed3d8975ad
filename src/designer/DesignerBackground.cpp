// The format's background picture: one JPEG per format in the data folder.
#include "designer/DesignerView.h"

#include "designer/DesignerTexts.h"
#include "designer/PageCanvas.h"
#include "core/Asker.h"
#include "store/Format.h"
#include "store/FormatStore.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

QString DesignerView::BackgroundPath() const {
    return format_ ? BackgroundPicturePath(format_->name) : QString();
}

void DesignerView::LoadBackground() {
    const QString path = BackgroundPath();
    canvas_->SetBackground(!path.isEmpty() && QFileInfo::exists(path) ? QImage(path) : QImage());
}

// A locked format keeps its background as it is, like its boxes.
void DesignerView::ReplaceBackground() {
    if (!format_ || !asker_ || IsLocked()) return;
    const QString chosen = asker_->ChooseOpenFile(DesignerText::kReplaceBackground,
                                                  DesignerText::kBackgroundFilter);
    if (!chosen.right(4).toLower().endsWith(QLatin1String(".jpg"))) return;
    const QString target = BackgroundPath();
    const bool exists = QFileInfo::exists(target);
    if (exists && !asker_->AskYesNo(DesignerText::kAskReplaceBackground)) return;
    // Choosing the format's own picture again must not delete it.
    if (!exists || QFileInfo(chosen).canonicalFilePath() != QFileInfo(target).canonicalFilePath()) {
        // Copy beside the target first, so a failed copy leaves the old picture in place.
        const QString temporary = target + QStringLiteral(".new");
        QFile::remove(temporary);
        if (!QFile::copy(chosen, temporary)) return;
        QFile::remove(target);
        if (!QFile::rename(temporary, target)) {
            QFile::remove(temporary);
            return;
        }
    }
    LoadBackground();
    RedrawCanvas();
    Q_EMIT BackgroundChanged();
}

void DesignerView::ClearBackground() {
    if (!format_ || !asker_ || IsLocked() || !asker_->AskYesNo(DesignerText::kAskClearBackground)) return;
    canvas_->SetBackground(QImage());
    QFile::remove(BackgroundPath());
    RedrawCanvas();
    Q_EMIT BackgroundChanged();
}
