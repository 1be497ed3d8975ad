#pragma once
// The store command, for a shared server store:
//   store init 地址              creates the tables and the two group roles
//                                (designer, clerk) with their grants
//   store grant 用户 clerk|designer
//                                makes a user a clerk or a designer of the store
//                                named by --store or VELLUMARK_STORE
//   store copy --from 来源 --to 目标 [--replace]
//                                copies a whole store (StoreCopyCommand.h)
// init and grant need a server user that may create roles. Exit code 0 when done.
#include "cli/SubCommand.h"

int RunStoreCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand StoreSubCommand();
