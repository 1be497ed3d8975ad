#include "exchange/GridXlsx.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/GridTable.h"
#include "exchange/ProgressTicker.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace {

// The header colour value 0x80C0FF keeps red in its low byte: RGB FF C0 80.
constexpr lxw_color_t kHeaderFill = 0xFFC080;
constexpr int kTwipsPerCharacter = 123;
constexpr qsizetype kMaxCellText = 32767; // what a spreadsheet cell holds
constexpr int kMaxSheetName = 31;

QByteArray SheetName(const QString& title) {
    static const QRegularExpression kForbidden(QStringLiteral("[\\[\\]:*?/\\\\]"));
    QString name = QString(title).replace(kForbidden, QStringLiteral("_")).left(kMaxSheetName);
    return (name.isEmpty() ? QStringLiteral("Sheet1") : name).toUtf8();
}

bool WriteWorkbook(const GridTable& grid, const QByteArray& file, const QString& title,
                   Progress& progress) {
    lxw_workbook* workbook = workbook_new(file.constData());
    if (!workbook) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(title).constData());
    lxw_format* header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_pattern(header, LXW_PATTERN_SOLID);
    format_set_bg_color(header, kHeaderFill);
    format_set_border(header, LXW_BORDER_THIN);
    lxw_format* body = workbook_add_format(workbook);
    format_set_border(body, LXW_BORDER_THIN);

    const QList<int> rows = grid.VisibleRows();
    const QList<int> columns = grid.VisibleColumns();
    bool ok = sheet != nullptr;
    for (qsizetype c = 0; ok && c < columns.size(); ++c) {
        const int twips = grid.columnWidths.value(columns[c], GridTable::kDefaultWidth);
        ok = worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), twips / kTwipsPerCharacter,
                                  nullptr) == LXW_NO_ERROR;
    }
    ProgressTicker ticker(progress, ExchangeText::kExportingSheet, rows.size());
    for (qsizetype r = 0; ok && r < rows.size(); ++r) {
        lxw_format* format = rows[r] < grid.fixedRows ? header : body;
        const QStringList& cells = grid.cells[rows[r]];
        for (qsizetype c = 0; ok && c < columns.size(); ++c) {
            // As in CSV, a tab keeps digit strings text; the import removes it.
            const QString text = cells.value(columns[c]).left(kMaxCellText - 1);
            ok = (text.isEmpty() ? worksheet_write_blank(sheet, lxw_row_t(r), lxw_col_t(c), format)
                                 : worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c),
                                                          (text + u'\t').toUtf8().constData(), format)) ==
                 LXW_NO_ERROR;
        }
        ticker.Advance();
    }
    return workbook_close(workbook) == LXW_NO_ERROR && ok;
}

} // namespace

bool WriteGridXlsx(const GridTable& grid, const QString& path, const QString& sheetTitle,
                   Progress& progress) {
    // The library writes to a file name: a scratch file first, then its bytes replace
    // the target in one step.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/vellumark-XXXXXX.xlsx"));
    if (!scratch.open()) return false;
    scratch.close();
    if (!WriteWorkbook(grid, QFile::encodeName(scratch.fileName()), sheetTitle, progress)) return false;
    QFile written(scratch.fileName());
    QSaveFile target(path);
    if (!written.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) return false;
    return target.write(written.readAll()) == written.size() && target.commit();
}
