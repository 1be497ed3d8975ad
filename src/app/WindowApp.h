#pragma once
// Starting the window: the database, single instance, login, then the main window.
#include <memory>

class Asker;
class Session;

// Opens and upgrades the data folder's database. On failure tells the user
// "无法建立数据库连接！" and returns nullptr, leaving the file as it was.
std::unique_ptr<Session> OpenSession(Asker& asker);

// Runs the window until it closes; the exit code of the program.
int RunWindowApp();
