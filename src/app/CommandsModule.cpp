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
    return RunParsedCommand(parsed, SubCommands());
}

// The entry must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&VellumarkRunProgram), RunProgramEntry>);
