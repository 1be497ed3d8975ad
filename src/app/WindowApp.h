#pragma once
// Starting the window: the data folder, single instance, the database, login, then
// the main window.
#include <memory>

class Asker;
class Session;

// Opens and upgrades the data folder's database. On failure tells the user why and
// returns nullptr, leaving the file as it was; a damaged file is reported with the
// offer of the newest backup, and after a restore the restored file is opened.
std::unique_ptr<Session> OpenSession(Asker& asker);

// Tells the user (and the error stream) when the data folder cannot hold the store;
// the program's exit code: 0 when it can.
int CheckDataFolder(Asker& asker);

// Runs the window until it closes; the exit code of the program.
int RunWindowApp();
