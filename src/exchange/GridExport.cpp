#include "exchange/GridExport.h"

#include "core/Asker.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridCsv.h"
#include "exchange/GridTable.h"
#include "exchange/SpreadsheetFiles.h"

#include <QFileInfo>

namespace {
bool IsCsvName(const QString& path) { return path.right(3).compare(u"csv", Qt::CaseInsensitive) == 0; }
} // namespace

QString ExportPath(const QString& chosen) {
    if (IsCsvName(chosen) || chosen.endsWith(u".xlsx", Qt::CaseInsensitive)) return chosen;
    if (chosen.endsWith(u".xls", Qt::CaseInsensitive)) return chosen + u'x';
    return chosen + QStringLiteral(".xlsx");
}

QString ExportGrid(const GridTable& grid, Asker& asker, Progress& progress, const QString& sheetTitle) {
    using namespace ExchangeText;
    if (grid.cells.isEmpty() || grid.ColumnCount() == 0) {
        asker.Message(kNoData);
        return {};
    }
    const QString chosen = asker.ChooseSaveFile(sheetTitle, kSaveFilter);
    if (chosen.isEmpty()) return {};
    const QString path = ExportPath(chosen);
    const bool existed = QFileInfo::exists(path);
    if (existed && !asker.AskYesNo(kOverwrite)) return {};
    bool written = false;
    if (IsCsvName(path)) {
        written = WriteGridCsv(grid, path, progress);
    } else {
        QString problem;
        const SpreadsheetFiles* files = RequireSpreadsheetFiles(&problem);
        if (!files) {
            asker.Message(problem);
            return {};
        }
        written = files->WriteXlsx(grid, path, sheetTitle, progress);
    }
    if (!written) {
        asker.Message(existed ? kCannotOverwrite : kSaveError);
        return {};
    }
    if (path != chosen) asker.Message(SavedAsXlsx(path));
    return path;
}
