#include "exchange/ImportRun.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/RecordImport.h"
#include "store/ParamStore.h"

std::optional<BillData> RunImport(Database& db, const SheetReader& sheet, const ImportRequest& request,
                                  const QString& lineBreakMarker, Progress& progress,
                                  QString* message) {
    if (request.store) {
        SaveMapping(db, request.formatName, request.boxes);
        WriteRowSettings(request.settings);
    }
    const std::optional<ImportRange> range = CheckRange(request.settings);
    if (!range) {
        if (message) *message = ExchangeText::kTooManyRows;
        return std::nullopt;
    }
    return ImportRecords(sheet, request.boxes, *range, lineBreakMarker, progress);
}

QString LineBreakMarker() {
    return ReadSetting(ExchangeText::kSettingsApp, ExchangeText::kParaSection, ExchangeText::kCrlfKey,
                       ExchangeText::kDefaultCrlf);
}
