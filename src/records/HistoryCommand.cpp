#include "records/HistoryCommand.h"

#include "core/Progress.h"
#include "records/ColumnOrder.h"
#include "records/HistoryCsv.h"
#include "records/RecordsTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/Schema.h"

#include <QTextStream>
#include <memory>

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

const QString kUsage = QStringLiteral("用法: history FORMAT [--limit N] [--csv]");

struct HistoryArgs {
    QString format;
    qint64 limit = 0;
    bool csv = false;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, HistoryArgs& parsed) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"--csv") {
            parsed.csv = true;
        } else if (arg == u"--limit") {
            if (i + 1 >= args.size()) return QStringLiteral("--limit 需要一个值");
            bool ok = false;
            parsed.limit = args.at(++i).toLongLong(&ok);
            if (!ok || parsed.limit < 1) return QStringLiteral("条数无效: %1").arg(args.at(i));
        } else if (arg.startsWith(u"--") || !parsed.format.isEmpty()) {
            return QStringLiteral("未知参数: %1").arg(arg);
        } else {
            parsed.format = arg;
        }
    }
    return parsed.format.isEmpty() ? QStringLiteral("缺少格式名称") : QString();
}

QList<QStringList> Table(const QList<HistoryColumn>& columns, const QList<HistoryRow>& rows) {
    QList<QStringList> table{HistoryHeader(columns)};
    for (const HistoryRow& row : rows) table << (QStringList{QString::number(row.bill)} + row.cells);
    return table;
}

// Columns padded to their widest cell; a line break in a value shows as the user's
// line-break marker, so the value can be typed back the same way.
void WriteAligned(QList<QStringList> table, QTextStream& out) {
    const QString marker = ReadSetting(QStringLiteral("QMX"), QStringLiteral("Para"),
                                       QStringLiteral("CrlfChr"), QStringLiteral("//"));
    QList<int> widths;
    for (QStringList& line : table)
        for (qsizetype c = 0; c < line.size(); ++c) {
            line[c].replace(QStringLiteral("\r\n"), marker).replace(QLatin1Char('\n'), marker);
            if (widths.size() <= c) widths << 0;
            widths[c] = std::max(widths[c], DisplayWidth(line[c]));
        }
    for (const QStringList& line : table) {
        QString text;
        for (qsizetype c = 0; c < line.size(); ++c) {
            text += line[c];
            if (c + 1 < line.size())
                text += QString(widths[c] - DisplayWidth(line[c]) + 2, QLatin1Char(' '));
        }
        out << text << '\n';
    }
}

} // namespace

int DisplayWidth(const QString& text) {
    int width = 0;
    for (char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
                          || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
                          || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
                          || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

int RunHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    HistoryArgs parsed;
    if (const QString error = Parse(args, parsed); !error.isEmpty()) {
        err << error << Qt::endl << kUsage << Qt::endl;
        return kUsageError;
    }
    QString error;
    const std::unique_ptr<Database> db = OpenDataDatabase(&error);
    if (!db) {
        err << error << Qt::endl;
        return kFailure;
    }
    if (!FormatStore(*db).LoadPageParams(parsed.format)) {
        err << QStringLiteral("格式不存在: ") << parsed.format << Qt::endl;
        return kFailure;
    }
    ParamStore params(*db);
    const QList<HistoryColumn> columns = HistoryColumns(*db, params, parsed.format);
    // CSV is written as it is read; aligned text needs every width first.
    SilentProgress progress;
    HistoryPage page;
    if (parsed.csv)
        page.failed = WriteHistoryCsv(*db, parsed.format, columns, {0, parsed.limit}, out).failed;
    else
        page = ReadHistory(*db, parsed.format, columns, {0, parsed.limit}, progress);
    if (page.failed) {
        out.flush();
        err << db->LastError() << Qt::endl;
        return kFailure;
    }
    if (!parsed.csv) WriteAligned(Table(columns, page.rows), out);
    out.flush();
    return 0;
}
