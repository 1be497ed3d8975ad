#include "exchange/ImportRun.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/RecordImport.h"
#include "store/Database.h"
#include "store/ParamStore.h"
#include "store/StoreOpening.h"

std::optional<BillData> RunImport(Database& db, const SheetReader& sheet, const ImportRequest& request,
                                  const QString& lineBreakMarker, Progress& progress,
                                  QString* message) {
    // A mapping the user asked to keep and that was not kept is a failure, told with
    // its reason, not a silent loss.
    if (request.store && !SaveMapping(db, request.formatName, request.boxes)) {
        const QString reason = FaultMessage(db.LastFault(), db.FaultWhere());
        if (message) *message = ExchangeText::MappingNotSaved(reason.isEmpty() ? db.LastError() : reason);
        return std::nullopt;
    }
    if (request.store && !WriteRowSettings(request.settings)) {
        if (message) *message = ExchangeText::kRowSettingsNotSaved;
        return std::nullopt;
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
