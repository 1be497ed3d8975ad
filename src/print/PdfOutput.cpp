#include "print/PdfOutput.h"

#include "content/layout/DrawnGlyphs.h"
#include "core/Asker.h"
#include "print/PdfStaging.h"
#include "print/PdfTextLayer.h"
#include "core/PublishStep.h"
#include "print/PrintTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>

#include <cstdio>

namespace {

// Staging file -> target.
QHash<QString, QString>& Staged() {
    static QHash<QString, QString> staged;
    return staged;
}

bool IsPlainFileOrMissing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

// The folder a target's staging file goes into: beside it, or the temporary folder
// for a device or pipe.
QString StagingFolder(const QString& target) {
    return IsPlainFileOrMissing(target) ? QFileInfo(target).absolutePath() : QDir::tempPath();
}

// The job creates the file when it starts, so a job that never starts leaves nothing.
QString StagingName(const QString& target) {
    QString name;
    do name = NewStagingName(StagingFolder(target), QFileInfo(target).fileName());
    while (Staged().contains(name));
    return name;
}

// The reason a write into `folder` stopped short.
QString ShortWriteReason(const QString& folder) {
    constexpr qint64 kNearlyFull = 64 * 1024;
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < kNearlyFull ? PrintText::kDiskFull
                                                                       : PrintText::kIncomplete;
}

QString ReasonOf(const QFileDevice& file) {
    return file.error() == QFileDevice::ResourceError ? PrintText::kDiskFull : file.errorString();
}

// Writes the finished bytes into a device or pipe, a piece at a time; empty, or why not.
QString CopyInto(const QString& staged, const QString& target) {
    constexpr qint64 kPiece = 1024 * 1024;
    QFile source(staged);
    QFile sink(target);
    if (!source.open(QIODevice::ReadOnly)) return source.errorString();
    if (!sink.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return ReasonOf(sink);
    while (!source.atEnd()) {
        const QByteArray piece = source.read(kPiece);
        if (piece.isEmpty()) return source.errorString();
        if (sink.write(piece) != piece.size()) return ReasonOf(sink);
    }
    return sink.flush() ? QString() : ReasonOf(sink);
}

// Renames the staged file onto the target, which is replaced in one step.
QString MoveInto(const QString& staged, const QString& target) {
    if (const QFileInfo existing(target); existing.exists())
        QFile::setPermissions(staged, existing.permissions());
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData())
        == 0)
        return {};
    return PrintText::kCannotReplace;
}

} // namespace

QString StagePdfFile(const QString& target) {
    // Staging files of jobs whose process is gone are cleared before a new one starts.
    RemoveStaleStaging(StagingFolder(target));
    const QString staging = StagingName(target);
    Staged().insert(staging, target);
    return staging;
}

bool FinishStagedPdf(const QString& written, bool ended, Asker& asker, const DrawnFaces& drawn,
                     PublishStep* step) {
    const QString target = Staged().take(written);
    const QString folder = QFileInfo(written).absolutePath();
    QString reason = PdfIncompleteReason(written).isEmpty() ? QString() : ShortWriteReason(folder);
    if (reason.isEmpty() && !ended) reason = PrintText::kIncomplete;
    // The text layer is made searchable in the staging file, before it reaches its
    // target; the update appended to it must leave it whole too.
    if (reason.isEmpty() && !RepairPdfTextLayer(written, drawn)) reason = ShortWriteReason(folder);
    if (reason.isEmpty() && !PdfIncompleteReason(written).isEmpty()) reason = PrintText::kIncomplete;
    // What goes with the file is made ready before the file replaces its target and
    // kept after: a crash in between leaves the file without its records, never
    // records without their file.
    QString stepReason;
    const bool prepared = reason.isEmpty() && (!step || step->Prepare(&stepReason));
    if (!target.isEmpty()) {
        // Written to a staging file (see StagePdfFile): onto the target when whole.
        if (prepared)
            reason = IsPlainFileOrMissing(target) ? MoveInto(written, target) : CopyInto(written, target);
        QFile::remove(written);
    }
    if (step) {
        if (!prepared || !reason.isEmpty()) step->Rollback();
        else if (!step->Commit()) asker.Message(PrintText::kPublishedWithoutRecords);
    }
    if (prepared && reason.isEmpty()) return true;
    if (!reason.isEmpty()) asker.Message(PrintText::PdfWriteFailed(target.isEmpty() ? written : target, reason));
    else asker.Message(PrintText::NotPublished(stepReason));
    return false;
}

QString StagedTarget(const QString& staged) { return Staged().value(staged); }

void DiscardStagedPdf(const QString& staged) {
    if (Staged().remove(staged) > 0) QFile::remove(staged);
}

QString PdfIncompleteReason(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    constexpr qint64 kTail = 1024;
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - kTail))) return PrintText::kIncomplete;
    const QByteArray tail = file.read(kTail).trimmed();
    const qsizetype startxref = tail.lastIndexOf("startxref");
    if (!tail.endsWith("%%EOF") || startxref < 0) return PrintText::kIncomplete;
    bool ok = false;
    const qint64 table =
        tail.mid(startxref + 9).chopped(5).trimmed().toLongLong(&ok);
    if (!ok || table <= 0 || table >= size || !file.seek(table) || file.read(4) != "xref")
        return PrintText::kIncomplete;
    return {};
}

