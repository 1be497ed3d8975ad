#pragma once
// The commands module (vellumark-commands.so): every command but those on the store
// alone (cli/StoreCommands.h), `help`, and the start of the window, with the libraries
// of printing, spreadsheets and drawing they need. The program loads it only for them;
// the window module, loaded after it, takes its code from it and from the program.
extern "C" {
// Runs the program's arguments as the program would; the exit code. argc lives as long
// as the application: Qt keeps a reference to it.
using RunProgramEntry = int (*)(int* argc, char** argv);
}

inline constexpr char kRunProgramEntry[] = "VellumarkRunProgram";
