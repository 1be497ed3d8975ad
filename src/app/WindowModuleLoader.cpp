#include "app/WindowModuleLoader.h"

#include "app/CommandsModule.h"
#include "app/PrintersModule.h"
#include "app/SheetsModule.h"
#include "app/WindowModule.h"
#include "core/ModuleText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <cstdio>

namespace {

const QString kCommandsModule = QStringLiteral("vellumark-commands.so");
const QString kWindowModule = QStringLiteral("vellumark-window.so");
const QString kPrintersModule = QStringLiteral("vellumark-printers.so");
const QString kSheetsModule = QStringLiteral("vellumark-sheets.so");

// The program's own folder (where a build puts the modules), then where the package
// installs them, relative to the program's folder (VELLUMARK_MODULE_DIR).
QStringList Candidates(const QString& file) {
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {folder + QLatin1Char('/') + file, folder + QStringLiteral("/" VELLUMARK_MODULE_DIR "/") + file};
}

// The entry named `name` of the module `file`; nullptr with `problem` set to why there
// is none. The commands module shares its symbols with the modules loaded after it.
QFunctionPointer Entry(const QString& file, const char* name, QString* problem) {
    for (const QString& path : Candidates(file)) {
        if (!QFileInfo::exists(path)) continue;
        QLibrary module(path); // never unloaded: the module's objects live until exit
        module.setLoadHints(file == kCommandsModule ? QLibrary::ExportExternalSymbolsHint
                                                    : QLibrary::LoadHints());
        if (module.load())
            if (const QFunctionPointer entry = module.resolve(name)) return entry;
        *problem = module.errorString();
        return nullptr;
    }
    *problem = Candidates(file).join(QStringLiteral("、"));
    return nullptr;
}

// The entry as above, after telling on `err` why there is none.
QFunctionPointer Entry(const QString& file, const char* name, QTextStream& err) {
    QString problem;
    const QFunctionPointer entry = Entry(file, name, &problem);
    if (!entry) err << kCannotLoadModule << problem << Qt::endl;
    return entry;
}

} // namespace

int RunProgramFromModule(int& argc, char** argv) {
    QTextStream err(stderr);
    const auto run = reinterpret_cast<RunProgramEntry>(Entry(kCommandsModule, kRunProgramEntry, err));
    return run ? run(&argc, argv) : 1;
}

int RunWindowFromModule(int& argc, char** argv, QTextStream& err) {
    const auto run = reinterpret_cast<RunWindowEntry>(Entry(kWindowModule, kRunWindowEntry, err));
    return run ? run(&argc, argv) : 1;
}

std::unique_ptr<QCoreApplication> WidgetApplicationFromModule(int& argc, char** argv, QTextStream& err) {
    const auto make = reinterpret_cast<WidgetApplicationEntry>(Entry(kWindowModule, kWidgetApplicationEntry, err));
    return std::unique_ptr<QCoreApplication>(make ? make(&argc, argv) : nullptr);
}

const PrintSystem* PrintSystemFromModule() {
    QTextStream err(stderr);
    const auto get = reinterpret_cast<PrintSystemEntry>(Entry(kPrintersModule, kPrintSystemEntry, err));
    return get ? get() : nullptr;
}

const SpreadsheetFiles* SpreadsheetFilesFromModule(QString* problem) {
    const auto get = reinterpret_cast<SpreadsheetFilesEntry>(Entry(kSheetsModule, kSpreadsheetFilesEntry, problem));
    return get ? get() : nullptr;
}
