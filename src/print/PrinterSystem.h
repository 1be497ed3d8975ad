#pragma once
// The print system on Qt's printers (PrintSystem.h), for the code linked with Qt's
// print support: the window registers it when it starts, a command gets it from the
// printers module.
class PrintSystem;

const PrintSystem& QtPrintSystem();
