#include "cli/ImportDataCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandImport.h"
#include "cli/CommandStart.h"
#include "exchange/BillDataGrid.h"
#include "exchange/GridCsv.h"
#include "exchange/SheetReader.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QRegularExpression>
#include <QTextStream>

namespace {

constexpr qint64 kScreenWidth = 15360; // fonts play no part here

const QString kSheet = QStringLiteral("--sheet"), kMap = QStringLiteral("--map"), kRows = QStringLiteral("--rows"),
              kInterval = QStringLiteral("--interval"), kMarker = QStringLiteral("--marker"),
              kSave = QStringLiteral("--save-mapping");
const QString kUsage = QStringLiteral("import-data 格式 文件 [--sheet 工作表] [--map 标签=表达式]... "
                                      "[--rows 开始-截止] [--interval 行间隔] [--marker 标志列] [--save-mapping]");

struct ImportArgs {
    QString format, file, sheet;
    QList<QPair<QString, QString>> maps;
    std::optional<QString> start, end, interval, marker;
    bool save = false;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, ImportArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args, {{kSheet, true}, {kMap, true}, {kRows, true}, {kInterval, true}, {kMarker, true}, {kSave}}, &problem);
    if (!read) return problem;
    if (read->Positional().size() != 2) return QStringLiteral("需要格式名称和文件");
    parsed.format = read->Positional().at(0);
    parsed.file = read->Positional().at(1);
    parsed.sheet = read->Value(kSheet);
    parsed.save = read->Has(kSave);
    for (const QString& map : read->Values(kMap)) {
        const auto assignment = ReadAssignment(map);
        if (!assignment) return CliText::BadValue(kMap, map, CliText::kExpectAssignment);
        parsed.maps << *assignment;
    }
    if (const std::optional<QString> rows = read->OptionalValue(kRows)) {
        const std::optional<RowSpan> span = ReadRowSpan(*rows);
        if (!span) return CliText::BadValue(kRows, *rows, CliText::kExpectRows);
        parsed.start = QString::number(span->first);
        parsed.end = QString::number(span->last);
    }
    if (const std::optional<QString> interval = read->OptionalValue(kInterval)) {
        if (!ReadWholeNumber(*interval, 1, kMaxImportRows))
            return CliText::BadValue(kInterval, *interval, CliText::kExpectWhole.arg(1).arg(kMaxImportRows));
        parsed.interval = interval->trimmed();
    }
    if (const std::optional<QString> marker = read->OptionalValue(kMarker)) {
        // Column letters, or nothing to read without a marker column.
        static const QRegularExpression kLetters(QStringLiteral("^[A-Za-z]{0,2}$"));
        if (!kLetters.match(marker->trimmed()).hasMatch())
            return CliText::BadValue(kMarker, *marker, CliText::kExpectColumn);
        parsed.marker = marker->trimmed();
    }
    return {};
}

// False when a label names no box of the mapping.
bool ApplyMaps(const ImportArgs& args, QList<MappedBox>& boxes, QTextStream& err) {
    for (const auto& [label, expression] : args.maps) {
        bool found = false;
        for (MappedBox& box : boxes) {
            if (box.box.label != label) continue;
            box.expression = expression;
            found = true;
        }
        if (!found) {
            err << CliText::NoSuchLabel(label) << Qt::endl;
            return false;
        }
    }
    return true;
}

RowSettings Settings(const ImportArgs& args) {
    RowSettings settings = ReadRowSettings();
    settings.start = args.start.value_or(settings.start);
    settings.end = args.end.value_or(settings.end);
    settings.interval = args.interval.value_or(settings.interval);
    settings.marker = args.marker.value_or(settings.marker);
    return settings;
}

int Import(Database& db, const ImportArgs& parsed, QTextStream& out, QTextStream& err) {
    if (!FormatExists(db, parsed.format, err)) return ExitCode::kFailed;
    const std::optional<Format> format = FormatStore(db).LoadFormat(parsed.format, kScreenWidth);
    if (!format) return ExitCode::kFailed;
    ImportRequest request;
    request.formatName = parsed.format;
    request.boxes = MappedBoxes(*format, LoadMapping(db, parsed.format));
    if (!ApplyMaps(parsed, request.boxes, err)) return ExitCode::kUsage;
    request.settings = Settings(parsed);
    request.store = parsed.save;

    const std::unique_ptr<SheetReader> reader = OpenSheetForCommand(parsed.file, parsed.sheet, LastRowWanted(request.settings), err);
    if (!reader) return ExitCode::kFailed;
    const std::optional<BillData> data = ImportForCommand(db, *reader, request, LineBreakMarker(), err);
    if (!data) return ExitCode::kFailed;
    for (const QStringList& row : BillDataRows(*data)) out << CsvLine(row, false) << '\n';
    out.flush();
    return ExitCode::kDone;
}

} // namespace

int RunImportDataCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    ImportArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return Import(db, parsed, out, err); });
}

SubCommand ImportDataSubCommand() {
    return {QStringLiteral("import-data"), kUsage,
            QStringLiteral("按列映射导入数据，以CSV输出；--save-mapping 保存映射和行设置"), SubCommand::Needs::Core,
            RunImportDataCommand};
}
