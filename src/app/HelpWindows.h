#pragma once
// "帮助": the user guide bundled with the program and the about box.
#include <QString>

class Asker;
class MainWindow;
class QWidget;
class Session;

// The bundled Chinese user guide (HTML from the program's resources).
QString UserGuideHtml();
// The about text with the program's version.
QString AboutText();

// Wires the help menu (使用说明, 创建示例格式, 关于) and the sample offer shown
// beside the empty-store hint.
void ConnectHelpMenu(MainWindow& window, Session& session, Asker& asker);
