#pragma once
// 从扫描图生成内容框 in the main window: the entry at the end of the 格式 menu, and the
// offer to propose boxes when a background picture is set on a format without boxes.
class Asker;
class MainWindow;

void AddScanCommand(MainWindow& window, Asker& asker);
