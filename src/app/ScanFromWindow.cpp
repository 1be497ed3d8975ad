#include "app/ScanFromWindow.h"

#include "app/ScanProposalDialog.h"
#include "app/ScanScaleQuestion.h"
#include "core/Asker.h"
#include "core/Progress.h"
#include "designer/DesignerTexts.h"
#include "document/FormatDocument.h"
#include "scan/CaptionReader.h"
#include "scan/ProposalRecords.h"
#include "scan/ScanAnalysis.h"
#include "scan/ScanTexts.h"
#include "store/FormatStore.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

constexpr int kProgressSteps = 100;

// Runs the analysis on a thread of its own; the window keeps painting and the progress
// follows, but takes no input until the analysis is done.
ScanOutcome AnalyseOffThread(const QString& image, const ScanSettings& settings, Progress& progress) {
    ScanOutcome outcome;
    std::atomic<int> percent{0};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        CaptionReader reader;
        outcome = AnalyseScanFile(image, settings, reader, [&](int done, int steps) {
            percent = steps > 0 ? done * kProgressSteps / steps : 0;
        });
    }));
    ProgressScope scope(progress, ScanTexts::kProgress, kProgressSteps);
    int shown = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        for (; shown < percent; ++shown) scope.Step();
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    ticker.start(50);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return outcome;
}

// A background picture other than the scan is replaced only when the user agrees:
// undoing the boxes would not bring it back.
bool KeepsOtherPicture(const QString& picture, const QString& scan, Asker& asker) {
    const QFileInfo current(picture);
    if (!current.exists() || current.canonicalFilePath() == QFileInfo(scan).canonicalFilePath()) return false;
    return !asker.AskYesNo(DesignerText::kAskReplaceBackground);
}

} // namespace

bool ProposeBoxesFromScan(QWidget* parent, FormatDocument& document, Asker& asker, Progress& progress, QString image) {
    if (!document.IsOpen()) return false;
    const Format& format = document.GetFormat();
    const QSizeF pageMm(format.page.width, format.page.height);
    ScanSettings settings;
    settings.pageMm = pageMm;
    // A background picture is the format's page; a scan chosen here may be measured
    // either way.
    if (image.isEmpty()) {
        image = asker.ChooseOpenFile(ScanTexts::kChooseScan, ScanTexts::kScanFilter);
        if (image.isEmpty()) return false;
        const std::optional<ScanSettings> chosen = AskScanScale(asker, image, pageMm);
        if (!chosen) return false;
        settings = *chosen;
    }
    const ScanOutcome outcome = AnalyseOffThread(image, settings, progress);
    if (!outcome.proposal) {
        asker.Message(outcome.problem);
        return false;
    }
    if (outcome.proposal->boxes.isEmpty()) {
        asker.Message(ScanTexts::kNothingFound);
        return false;
    }
    ScanProposalDialog dialog(*outcome.proposal, asker, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QList<ProposedBox> boxes = dialog.Boxes();
    if (boxes.isEmpty()) return false;
    ApplyProposal(document, boxes);
    const QString picture = BackgroundPicturePath(document.GetFormat().name);
    if (KeepsOtherPicture(picture, image, asker)) return true;
    if (!SaveBackground(outcome.proposal->picture, picture)) asker.Message(ScanTexts::kPictureFailed.arg(picture));
    return true;
}

bool OfferBoxesFromBackground(QWidget* parent, FormatDocument& document, Asker& asker, Progress& progress) {
    if (!document.IsOpen() || !document.GetFormat().boxes.isEmpty()) return false;
    const QString picture = BackgroundPicturePath(document.GetFormat().name);
    if (!QFileInfo::exists(picture) || !asker.AskYesNo(ScanTexts::kOfferForBackground)) return false;
    return ProposeBoxesFromScan(parent, document, asker, progress, picture);
}
