// The vellumark program. A command on the store alone (cli/StoreCommands.h) runs here,
// with no more than the store's libraries loaded; the window, `help` and every other
// command are in the commands module (app/CommandsModule.h), loaded for them.
#include "app/WindowModuleLoader.h"
#include "cli/CommandLine.h"
#include "cli/CommandRun.h"
#include "cli/StoreCommands.h"
#include "core/LargeBlocks.h"
#include "store/CryptoStart.h"
#include "store/DataFolder.h"
#include "store/StoreLocation.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    KeepLargeBlocksForReuse();
    StartCryptoLibrary();
    const ParsedCommandLine parsed = ParseCommandLine(ProgramArguments(argc, argv));
    if (!parsed.error.isEmpty() || !FindSubCommand(StoreSubCommands(), parsed.command))
        return RunProgramFromModule(argc, argv);

    if (!parsed.dataDir.isEmpty()) DataFolder::SetOverride(parsed.dataDir);
    if (!parsed.store.isEmpty()) StoreLocation::SetOverride(parsed.store);
    const QCoreApplication app(argc, argv);
    return RunParsedCommand(parsed, StoreSubCommands());
}
