#include "cli/CommandImport.h"

#include "core/Progress.h"
#include "exchange/SheetReader.h"

#include <QTextStream>

std::unique_ptr<SheetReader> OpenSheetForCommand(const QString& path, const QString& sheet, int lastRow,
                                                 QTextStream& err) {
    QString error;
    std::unique_ptr<SheetReader> reader = OpenSheetFile(path, &error, lastRow);
    const QString chosen = sheet.isEmpty() && reader ? reader->SheetNames().value(0) : sheet;
    if (reader && reader->SelectSheet(chosen, &error)) return reader;
    err << error << Qt::endl;
    return nullptr;
}

std::optional<BillData> ImportForCommand(Database& db, const SheetReader& reader, const ImportRequest& request,
                                         const QString& lineBreakMarker, QTextStream& err) {
    SilentProgress progress;
    QString error;
    std::optional<BillData> data = RunImport(db, reader, request, lineBreakMarker, progress, &error);
    for (const QString& warning : reader.Warnings()) err << warning << Qt::endl;
    if (!data) err << error << Qt::endl;
    return data;
}
