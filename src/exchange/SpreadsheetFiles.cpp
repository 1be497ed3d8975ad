#include "exchange/SpreadsheetFiles.h"

#include "core/ModuleText.h"

namespace {

const SpreadsheetFiles*& Registered() {
    static const SpreadsheetFiles* files = nullptr;
    return files;
}

SpreadsheetFilesLoader& Loader() {
    static SpreadsheetFilesLoader load = nullptr;
    return load;
}

} // namespace

void RegisterSpreadsheetFiles(const SpreadsheetFiles* files) { Registered() = files; }

void SetSpreadsheetFilesLoader(SpreadsheetFilesLoader load) { Loader() = load; }

const SpreadsheetFiles* RequireSpreadsheetFiles(QString* problem) {
    QString why;
    if (!Registered() && Loader()) Registered() = Loader()(&why);
    if (!Registered() && problem)
        *problem = kCannotLoadModule + (why.isEmpty() ? QStringLiteral("vellumark-sheets.so") : why);
    return Registered();
}
