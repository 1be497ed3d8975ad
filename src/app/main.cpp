// The vellumark program: without a command it shows the main window; a command
// (src/cli) runs the same code without one. The window's code is a module loaded only
// for the window and for a command that draws with widgets (app/WindowModule.h).
#include "app/ProgramNames.h"
#include "app/WindowModuleLoader.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/CommandStart.h"
#include "content/layout/FontMapping.h"
#include "core/LargeBlocks.h"
#include "store/CryptoStart.h"
#include "store/DataFolder.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksForReuse();
    StartCryptoLibrary();
    const ParsedCommandLine parsed = ParseCommandLine(Arguments(argc, argv));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed.error.isEmpty()) {
        err << parsed.error << '\n' << CliText::UsageLine(QStringLiteral("[--data-dir 文件夹] [命令 [参数]]")) << '\n';
        return ExitCode::kUsage;
    }
    if (!parsed.dataDir.isEmpty()) DataFolder::SetOverride(parsed.dataDir);

    if (parsed.command.isEmpty()) return RunWindowFromModule(argc, argv, err);

    // No window for a command; a Gui application only when it paints or prints.
    const SubCommand* command = FindSubCommand(SubCommands(), parsed.command);
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needs != SubCommand::Needs::Core) {
        // A command draws only into files and print jobs, never on a screen: it starts
        // the offscreen platform (the same font database) rather than connecting to the
        // desktop's display, unless QT_QPA_PLATFORM asks for another.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (command->needs == SubCommand::Needs::Widgets) {
            app = WidgetApplicationFromModule(argc, argv, err);
            if (!app) return ExitCode::kFailed;
        } else
            app = std::make_unique<QGuiApplication>(argc, argv);
        InstallChineseFontSubstitutions();
    } else
        app = std::make_unique<QCoreApplication>(argc, argv);
    SetProgramNames();
    NoteBusyWaitsOn(err);
    return RunSubCommand(parsed, SubCommands(), out, err);
}
