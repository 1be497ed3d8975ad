#include "cli/DesignFromScanRun.h"

#include "cli/DesignFromScanCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "formatfile/FormatImport.h"
#include "scan/CaptionReader.h"
#include "scan/DataTypeGuess.h"
#include "scan/ScanAnalysis.h"
#include "scan/ScanFormat.h"
#include "scan/ScanTexts.h"
#include "store/Database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cmath>

namespace {

const QString kName = QStringLiteral("--name"), kFormat = QStringLiteral("--format"), kSize = QStringLiteral("--size"),
              kDpi = QStringLiteral("--dpi"), kJson = QStringLiteral("--json");
const QString kNameOrFormat = QStringLiteral("请指定 --name 或 --format 之一");
const QString kOneImage = QStringLiteral("需要一个扫描图文件");

QString ShapeWord(BlankShape shape) {
    switch (shape) {
    case BlankShape::Cell: return QStringLiteral("cell");
    case BlankShape::Line: return QStringLiteral("line");
    case BlankShape::Cells: return QStringLiteral("cells");
    case BlankShape::Square: return QStringLiteral("square");
    }
    return {};
}

double Mm(double value) { return std::round(value * 100) / 100; }

QByteArray ProposalJson(const ScanProposal& proposal) {
    QJsonArray boxes;
    for (const ProposedBox& box : proposal.boxes) {
        QJsonObject item{{QStringLiteral("label"), box.label},
                         {QStringLiteral("kind"), box.kind == BoxKind::Check ? QStringLiteral("check") : QStringLiteral("text")},
                         {QStringLiteral("shape"), ShapeWord(box.shape)},
                         {QStringLiteral("x"), Mm(box.mm.x())},
                         {QStringLiteral("y"), Mm(box.mm.y())},
                         {QStringLiteral("w"), Mm(box.mm.width())},
                         {QStringLiteral("h"), Mm(box.mm.height())},
                         {QStringLiteral("confidence"), std::round(box.confidence * 100) / 100}};
        if (box.kind == BoxKind::Text) {
            item.insert(QStringLiteral("dataType"), box.dataType);
            item.insert(QStringLiteral("dataTypeName"), DataTypeName(box.dataType));
        }
        if (box.cells > 0) item.insert(QStringLiteral("cells"), box.cells);
        if (box.productInto >= 0) item.insert(QStringLiteral("multipliesInto"), proposal.boxes[box.productInto].label);
        boxes.append(item);
    }
    const QJsonObject root{{QStringLiteral("page"), QJsonObject{{QStringLiteral("width"), Mm(proposal.pageMm.width())},
                                                                {QStringLiteral("height"), Mm(proposal.pageMm.height())}}},
                           {QStringLiteral("skewDegrees"), std::round(proposal.skewDegrees * 100) / 100},
                           {QStringLiteral("perspective"), proposal.perspective},
                           {QStringLiteral("boxes"), boxes}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ScanProposal> Analyse(const QString& image, const ScanSettings& settings, QTextStream& err) {
    CaptionReader reader;
    ScanOutcome outcome = AnalyseScanFile(image, settings, reader);
    if (!outcome.proposal) {
        err << outcome.problem << Qt::endl;
        return std::nullopt;
    }
    return std::move(outcome.proposal);
}

int Finish(const ScanStored& stored, QTextStream& out, QTextStream& err) {
    if (!stored.problem.isEmpty()) err << stored.problem << Qt::endl;
    if (stored.boxes == 0 && !stored.problem.isEmpty()) return ExitCode::kFailed;
    out << ScanTexts::kFound.arg(stored.boxes) << Qt::endl;
    return stored.problem.isEmpty() ? ExitCode::kDone : ExitCode::kFailed;
}

} // namespace

int RunDesignFromScan(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString kUsage = DesignFromScanUsage();
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args, {{kName, true}, {kFormat, true}, {kSize, true}, {kDpi, true}, {kJson}}, &problem);
    if (!read) return UsageError(err, problem, kUsage);
    if (read->Positional().size() != 1) return UsageError(err, kOneImage, kUsage);
    if (read->Has(kName) == read->Has(kFormat)) return UsageError(err, kNameOrFormat, kUsage);
    ScanSettings settings;
    if (read->Has(kSize)) {
        settings.pageMm = ReadSizeMm(read->Value(kSize));
        if (!settings.pageMm)
            return UsageError(err, CliText::BadValue(kSize, read->Value(kSize), CliText::kExpectSize), kUsage);
    }
    if (read->Has(kDpi)) {
        const std::optional<qint64> dpi = ReadWholeNumber(read->Value(kDpi), kLeastGivenDpi, kMostGivenDpi);
        if (!dpi)
            return UsageError(err, CliText::BadValue(kDpi, read->Value(kDpi), CliText::kExpectWhole.arg(kLeastGivenDpi).arg(kMostGivenDpi)),
                              kUsage);
        settings.dpi = double(*dpi);
    }
    const QString image = read->Positional().first();
    const bool json = read->Has(kJson);

    // A new format needs the store only to be stored; --json with --name never opens it.
    if (read->Has(kName)) {
        const QString name = read->Value(kName).trimmed();
        if (json) {
            const std::optional<ScanProposal> proposal = Analyse(image, settings, err);
            if (!proposal) return ExitCode::kFailed;
            out << QString::fromUtf8(ProposalJson(*proposal));
            out.flush();
            return ExitCode::kDone;
        }
        return RunWithStore(err, [&](Database& db) {
            const NameProblem nameProblem = CheckImportName(db, name);
            if (nameProblem == NameProblem::Empty) return UsageError(err, CliText::kFormatNameMissing, kUsage);
            if (nameProblem != NameProblem::None) {
                err << NameProblemText(nameProblem, name) << Qt::endl;
                return ExitCode::kFailed;
            }
            const std::optional<ScanProposal> proposal = Analyse(image, settings, err);
            if (!proposal) return ExitCode::kFailed;
            return Finish(CreateFormatFromScan(db, name, *proposal), out, err);
        });
    }
    return RunWithStore(err, [&](Database& db) {
        const std::optional<CommandFormat> loaded = LoadCommandFormat(db, read->Value(kFormat), err);
        if (!loaded) return ExitCode::kFailed;
        // The format's own page measures the scan unless another size is given.
        if (!settings.pageMm) settings.pageMm = QSizeF(loaded->format.page.width, loaded->format.page.height);
        const std::optional<ScanProposal> proposal = Analyse(image, settings, err);
        if (!proposal) return ExitCode::kFailed;
        if (json) {
            out << QString::fromUtf8(ProposalJson(*proposal));
            out.flush();
            return ExitCode::kDone;
        }
        const qint64 designWidth = loaded->format.page.designScreenWidth > 0 ? loaded->format.page.designScreenWidth : 15360;
        return Finish(AddScanToFormat(db, loaded->format, designWidth, *proposal), out, err);
    });
}
