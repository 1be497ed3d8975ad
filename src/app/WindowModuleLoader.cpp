#include "app/WindowModuleLoader.h"

#include "app/WindowModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

namespace {

const QString kModuleFile = QStringLiteral("vellumark-window.so");
const QString kCannotLoad = QStringLiteral("无法载入窗口模块：");

// The program's own folder (where a build puts the module), then where the package
// installs it, relative to the program's folder (VELLUMARK_WINDOW_MODULE_DIR).
QStringList Candidates() {
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {folder + QLatin1Char('/') + kModuleFile,
            folder + QStringLiteral("/" VELLUMARK_WINDOW_MODULE_DIR "/") + kModuleFile};
}

// The entry named `name` of the loaded module; nullptr after telling why there is none.
QFunctionPointer Entry(const char* name, QTextStream& err) {
    QString problem;
    for (const QString& path : Candidates()) {
        if (!QFileInfo::exists(path)) continue;
        QLibrary module(path); // never unloaded: the window's objects live until exit
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!module.load()) {
            problem = module.errorString();
            break;
        }
        if (const QFunctionPointer entry = module.resolve(name)) return entry;
        problem = module.errorString();
        break;
    }
    if (problem.isEmpty()) problem = Candidates().join(QStringLiteral("、"));
    err << kCannotLoad << problem << Qt::endl;
    return nullptr;
}

} // namespace

int RunWindowFromModule(int& argc, char** argv, QTextStream& err) {
    const auto run = reinterpret_cast<RunWindowEntry>(Entry(kRunWindowEntry, err));
    return run ? run(&argc, argv) : 1;
}

std::unique_ptr<QCoreApplication> WidgetApplicationFromModule(int& argc, char** argv, QTextStream& err) {
    const auto make = reinterpret_cast<WidgetApplicationEntry>(Entry(kWidgetApplicationEntry, err));
    return std::unique_ptr<QCoreApplication>(make ? make(&argc, argv) : nullptr);
}
