// 30 000 rows of 20 columns: CSV, .xlsx and .xls files read into bill-data rows
// through a mapping of every column, and the same grid exported to CSV and .xlsx.
// The .xls file and one .xlsx file come from Gnumeric's ssconvert (inline strings);
// the other .xlsx file is our own export (shared strings).
#include "core/Progress.h"
#include "exchange/BillDataGrid.h"
#include "exchange/ColumnLetters.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridCsv.h"
#include "exchange/GridFitting.h"
#include "exchange/GridXlsx.h"
#include "exchange/LinkedSpreadsheetFiles.h"
#include "exchange/SpreadsheetFiles.h"
#include "exchange/RecordImport.h"
#include "exchange/SheetReader.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 30000;
constexpr int kColumns = 20;

QString CellText(int row, int column) {
    switch (column % 5) {
    case 0: return QStringLiteral("单据%1号").arg(row);
    case 1: return QString::number(row * 1.25 + column, 'f', 2);
    case 2: return QStringLiteral("2024-%1-%2").arg(row % 12 + 1, 2, 10, QChar(u'0')).arg(row % 28 + 1, 2, 10, QChar(u'0'));
    case 3: return QStringLiteral("北京市海淀区中关村大街%1号").arg(column);
    default: return QStringLiteral("110101199003%1").arg(row % 10000, 6, 10, QChar(u'0'));
    }
}

struct Files {
    Files() {
        QString csv;
        for (int row = 1; row <= kRows; ++row) {
            QStringList cells;
            for (int column = 0; column < kColumns; ++column) cells << CellText(row, column);
            csv += cells.join(u',') + u'\n';
        }
        QFile file(dir.filePath(QStringLiteral("data.csv")));
        if (file.open(QIODevice::WriteOnly)) file.write(csv.toUtf8());
        file.close();
        csvPath = file.fileName();
        for (const char* type : {"xls", "xlsx"}) {
            const QString target = dir.filePath(QStringLiteral("gnumeric.") + type);
            QProcess::execute(QStringLiteral("ssconvert"), {csvPath, target});
            (QByteArray(type) == "xls" ? xlsPath : gnumericXlsxPath) = target;
        }
        QString error;
        SilentProgress progress;
        std::unique_ptr<SheetReader> reader = OpenSheetFile(csvPath, &error);
        data = ImportRecords(*reader, Boxes(), {1, kRows, 1, 0}, QStringLiteral("//"), progress);
        ownXlsxPath = dir.filePath(QStringLiteral("own.xlsx"));
        WriteGridXlsx(BillDataGrid(data), ownXlsxPath, ExchangeText::kBillDataTitle, progress);
    }
    static QList<MappedBox> Boxes() {
        QList<MappedBox> boxes;
        for (int column = 1; column <= kColumns; ++column)
            boxes << MappedBox{BillColumn{column, column, QStringLiteral("框%1").arg(column)},
                               ColumnLetters(column)};
        return boxes;
    }
    QTemporaryDir dir;
    QString csvPath, xlsPath, gnumericXlsxPath, ownXlsxPath;
    BillData data;
};

Files& TheFiles() {
    static Files files;
    return files;
}

void Import(benchmark::State& state, const QString& path, int firstRow) {
    SilentProgress progress;
    for (auto _ : state) {
        QString error;
        std::unique_ptr<SheetReader> reader = OpenSheetFile(path, &error);
        if (!reader || !reader->SelectSheet(reader->SheetNames().value(0), &error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        const BillData data = ImportRecords(*reader, Files::Boxes(), {firstRow, firstRow + kRows - 1, 1, 0},
                                            QStringLiteral("//"), progress);
        if (data.rows.size() != kRows) state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(data);
    }
}

void BM_ImportCsv(benchmark::State& state) { Import(state, TheFiles().csvPath, 1); }
void BM_ImportXlsxGnumeric(benchmark::State& state) { Import(state, TheFiles().gnumericXlsxPath, 1); }
void BM_ImportXlsxOwn(benchmark::State& state) { Import(state, TheFiles().ownXlsxPath, 2); }
void BM_ImportXls(benchmark::State& state) { Import(state, TheFiles().xlsPath, 1); }

void BM_ExportCsv(benchmark::State& state) {
    const GridTable grid = BillDataGrid(TheFiles().data);
    SilentProgress progress;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGridCsv(grid, TheFiles().dir.filePath(QStringLiteral("out.csv")), progress));
}

void BM_ExportXlsx(benchmark::State& state) {
    const GridTable grid = BillDataGrid(TheFiles().data);
    SilentProgress progress;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGridXlsx(grid, TheFiles().dir.filePath(QStringLiteral("out.xlsx")),
                                               ExchangeText::kBillDataTitle, progress));
}

// FitColumns over the imported grid: every column's widest text in the grid's font.
void BM_FitColumns(benchmark::State& state) {
    const BillData& data = TheFiles().data;
    const QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    for (auto _ : state) {
        for (int column = 0; column < kColumns; ++column) {
            QStringList texts;
            for (const BillRow& row : data.rows) texts << row.values[column];
            benchmark::DoNotOptimize(FitColumnTwips(texts, font, 10000));
        }
    }
}

BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportXlsxGnumeric)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportXlsxOwn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportXls)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportXlsx)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FitColumns)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RegisterSpreadsheetFiles(&LinkedSpreadsheetFiles());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
