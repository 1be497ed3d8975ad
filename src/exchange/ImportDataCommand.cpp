#include "exchange/ImportDataCommand.h"

#include "core/Progress.h"
#include "exchange/BillDataGrid.h"
#include "exchange/GridCsv.h"
#include "exchange/ImportRun.h"
#include "exchange/SheetReader.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QList>
#include <QPair>
#include <QTextStream>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr qint64 kScreenWidth = 15360; // fonts play no part here

const QString kUsageText = QStringLiteral(
    "用法：import-data 格式 文件 [--sheet 工作表] [--map 标签=表达式]... [--rows 开始-截止] "
    "[--interval 行间隔] [--marker 标志列] [--save-mapping]");

struct ImportArgs {
    QString format, file, sheet;
    QList<QPair<QString, QString>> maps;
    std::optional<QString> start, end, interval, marker;
    bool save = false;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, ImportArgs& parsed) {
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--save-mapping") {
            parsed.save = true;
            continue;
        }
        if (!arg.startsWith(u"--")) {
            positional << arg;
            continue;
        }
        if (i + 1 >= args.size()) return QStringLiteral("%1 需要一个值").arg(arg);
        const QString value = args[++i];
        if (arg == u"--sheet") {
            parsed.sheet = value;
        } else if (arg == u"--map") {
            const qsizetype equals = value.indexOf(u'=');
            if (equals <= 0) return QStringLiteral("--map 的格式应为 标签=表达式: %1").arg(value);
            parsed.maps.append({value.left(equals), value.mid(equals + 1)});
        } else if (arg == u"--rows") {
            const qsizetype dash = value.indexOf(u'-', 1);
            if (dash < 0) return QStringLiteral("--rows 的格式应为 开始-截止: %1").arg(value);
            parsed.start = value.left(dash);
            parsed.end = value.mid(dash + 1);
        } else if (arg == u"--interval") {
            parsed.interval = value;
        } else if (arg == u"--marker") {
            parsed.marker = value;
        } else {
            return QStringLiteral("未知参数: %1").arg(arg);
        }
    }
    if (positional.size() != 2) return QStringLiteral("需要格式名称和文件");
    parsed.format = positional[0];
    parsed.file = positional[1];
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
            err << QStringLiteral("格式中没有标签为“%1”的输入框").arg(label) << Qt::endl;
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

} // namespace

int RunImportDataCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    ImportArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) {
        err << problem << Qt::endl << kUsageText << Qt::endl;
        return kUsage;
    }
    QString error;
    const std::unique_ptr<Database> db = OpenDataDatabase(&error);
    if (!db) {
        err << error << Qt::endl;
        return kFailed;
    }
    const std::optional<Format> format = FormatStore(*db).LoadFormat(parsed.format, kScreenWidth);
    if (!format) {
        err << QStringLiteral("格式：“%1”不存在！").arg(parsed.format) << Qt::endl;
        return kFailed;
    }
    ImportRequest request;
    request.formatName = parsed.format;
    request.boxes = MappedBoxes(*format, LoadMapping(*db, parsed.format));
    if (!ApplyMaps(parsed, request.boxes, err)) return kUsage;
    request.settings = Settings(parsed);
    request.store = parsed.save;

    const std::unique_ptr<SheetReader> reader = OpenSheetFile(parsed.file, &error, LastRowWanted(request.settings));
    const QString sheet = parsed.sheet.isEmpty() && reader ? reader->SheetNames().value(0) : parsed.sheet;
    if (!reader || !reader->SelectSheet(sheet, &error)) {
        err << error << Qt::endl;
        return kFailed;
    }
    SilentProgress progress;
    const std::optional<BillData> data =
        RunImport(*db, *reader, request, LineBreakMarker(), progress, &error);
    for (const QString& warning : reader->Warnings()) err << warning << Qt::endl;
    if (!data) {
        err << error << Qt::endl;
        return kFailed;
    }
    for (const QStringList& row : BillDataRows(*data)) out << CsvLine(row, false) << '\n';
    out.flush();
    return 0;
}
