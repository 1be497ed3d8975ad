// The main window's statistics: "数据统计分析" over the open format's stored bills.
#include "app/MainWindow.h"

#include "app/Session.h"
#include "app/StatisticsDialog.h"

void MainWindow::ShowStatistics() {
    if (!session_.HasFormat()) return;
    StatisticsDialog dialog(session_.Db(), session_.CurrentFormat().name, asker_, this);
    dialog.exec();
}
