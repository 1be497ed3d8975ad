// The window module's entry points (WindowModule.h).
#include "app/WindowModule.h"

#include "app/ProgramNames.h"
#include "app/StatisticsChart.h"
#include "app/WindowApp.h"
#include "cli/DesignFromScanCommand.h"
#include "cli/DesignFromScanRun.h"
#include "cli/StatisticsCommand.h"
#include "print/PrintSystem.h"
#include "print/PrinterSystem.h"

#include <QApplication>

extern "C" {

// argc lives as long as the application: Qt keeps a reference to it.
__attribute__((visibility("default"))) int VellumarkRunWindow(int* argc, char** argv) {
    RegisterPrintSystem(&QtPrintSystem());
    QApplication app(*argc, argv);
    SetProgramNames();
    QApplication::setApplicationDisplayName(QStringLiteral("Vellumark"));
    return RunWindowApp();
}

__attribute__((visibility("default"))) QCoreApplication* VellumarkWidgetApplication(int* argc, char** argv) {
    UseStatisticsChartSaver(SaveStatisticsChart);
    UseDesignFromScanRunner(RunDesignFromScan);
    RegisterPrintSystem(&QtPrintSystem());
    return new QApplication(*argc, argv);
}

} // extern "C"

// The entries must keep the types the program calls them by.
static_assert(std::is_same_v<decltype(&VellumarkRunWindow), RunWindowEntry>);
static_assert(std::is_same_v<decltype(&VellumarkWidgetApplication), WidgetApplicationEntry>);
