#pragma once
// The calibration test page: after the user agrees, a 10 mm square outline from
// (10 mm, 10 mm) on A4 portrait. Where it lands on the paper tells the offsets to
// enter in "输入打印页边距".
class Asker;
class QPrinter;

// True when the page was printed; false when the user declined or printing failed.
bool PrintCalibrationPage(QPrinter& printer, Asker& asker);
// The page without the question, for a caller that asked before choosing the printer;
// false (after telling `asker`) when printing failed.
bool DrawCalibrationPage(QPrinter& printer, Asker& asker);
