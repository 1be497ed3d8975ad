// The commands module's entry (CommandsModule.h): without a command the main window;
// a command runs with the application object it needs, never with a window.
#include "app/CommandsModule.h"

#include "app/WindowModuleLoader.h"
#include "cli/CliTexts.h"
#include "cli/CommandStart.h"
#include "cli/CommandLine.h"
#include "cli/CommandRun.h"
#include "content/layout/FontMapping.h"
#include "exchange/SpreadsheetFiles.h"
#include "print/PrintSystem.h"
#include "store/DataFolder.h"
#include "store/StoreLocation.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

extern "C" __attribute__((visibility("default"))) int VellumarkRunProgram(int* argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(ProgramArguments(*argc, argv));
    QTextStream err(stderr);
    if (!parsed.error.isEmpty()) {
        err << parsed.error << '\n' << CliText::UsageLine(QStringLiteral("[--data-dir 文件夹] [命令 [参数]]")) << '\n';
        return ExitCode::kUsage;
    }
    if (!parsed.dataDir.isEmpty()) DataFolder::SetOverride(parsed.dataDir);
    if (!parsed.store.isEmpty()) StoreLocation::SetOverride(parsed.store);
    SetPrintSystemLoader(&PrintSystemFromModule);
    SetSpreadsheetFilesLoader(&SpreadsheetFilesFromModule);

    if (parsed.command.isEmpty()) return RunWindowFromModule(*argc, argv, err);

    // A command is one short process: compiling each text pattern it matches to machine
    // code cost more than matching them as they are.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_REGEXP_JIT")) qputenv("QT_ENABLE_REGEXP_JIT", "0");

    // No window for a command; a Gui application only when it paints or prints.
    const SubCommand* command = FindSubCommand(SubCommands(), parsed.command);
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needs != SubCommand::Needs::Core) {
        // A command draws only into files and print jobs, never on a screen: it starts
        // the offscreen platform (the same font database) rather than connecting to the
        // desktop's display, unless QT_QPA_PLATFORM asks for another.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (command->needs == SubCommand::Needs::Widgets) {
            app = WidgetApplicationFromModule(*argc, argv, err);
            if (!app) return ExitCode::kFailed;
        } else
            app = std::make_unique<QGuiApplication>(*argc, argv);
        InstallChineseFontSubstitutions();
    } else
        app = std::make_unique<QCoreApplication>(*argc, argv);
    const int code = RunParsedCommand(parsed, SubCommands());
    // A command has written, closed and published all it makes (the store, files, print
    // jobs) before it returns. Tearing down Qt's platform and font caches and every
    // library's exit handlers took longer than a short command's own work on the store,
    // so the process ends here, once its output is flushed.
    std::fflush(nullptr);
    std::_Exit(code);
}

// The entry must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&VellumarkRunProgram), RunProgramEntry>);
