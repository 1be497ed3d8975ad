// The vellumark program: without a command it shows the main window; a command
// (src/cli) runs the same code without one.
#include "app/WindowApp.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/CommandStart.h"
#include "content/layout/FontMapping.h"
#include "core/LargeBlocks.h"
#include "store/DataFolder.h"
#include "store/StoreLocation.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void SetNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
}

} // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksForReuse();
    const ParsedCommandLine parsed = ParseCommandLine(Arguments(argc, argv));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed.error.isEmpty()) {
        err << parsed.error << '\n' << CliText::UsageLine(QStringLiteral("[--data-dir 文件夹] [命令 [参数]]")) << '\n';
        return ExitCode::kUsage;
    }
    if (!parsed.dataDir.isEmpty()) DataFolder::SetOverride(parsed.dataDir);
    if (!parsed.store.isEmpty()) StoreLocation::SetOverride(parsed.store);

    if (parsed.command.isEmpty()) {
        QApplication app(argc, argv);
        SetNames();
        QApplication::setApplicationDisplayName(QStringLiteral("Vellumark"));
        return RunWindowApp();
    }

    // No window for a command; a Gui application only when it paints or prints.
    const SubCommand* command = FindSubCommand(SubCommands(), parsed.command);
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needs != SubCommand::Needs::Core) {
        // Printing from a script needs no screen: without a display, draw offscreen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (command->needs == SubCommand::Needs::Widgets)
            app = std::make_unique<QApplication>(argc, argv);
        else
            app = std::make_unique<QGuiApplication>(argc, argv);
        InstallChineseFontSubstitutions();
    } else
        app = std::make_unique<QCoreApplication>(argc, argv);
    SetNames();
    NoteBusyWaitsOn(err);
    return RunSubCommand(parsed, SubCommands(), out, err);
}
