// The bill-data tab with 30 000 imported rows of 20 columns (offscreen): showing them
// (model reset, column fitting, navigation, the first row) and jumping to the last row.
#include "app/BillDataView.h"
#include "app/QtAsker.h"
#include "core/Progress.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 30000;
constexpr int kColumns = 20;

BillData Rows() {
    BillData data;
    for (int column = 1; column <= kColumns; ++column)
        data.columns << BillColumn{column, column, QStringLiteral("输入框%1").arg(column)};
    for (int row = 1; row <= kRows; ++row) {
        QStringList values;
        for (int column = 1; column <= kColumns; ++column)
            values << (column % 2 ? QStringLiteral("收款单位%1").arg(row) : QString::number(row * 1.5 + column));
        data.rows << BillRow{row, values};
    }
    return data;
}

// The tab on its own, shown at a usual size.
struct Tab {
    Tab() {
        view.resize(1200, 400);
        view.show();
    }
    QtAsker asker;
    SilentProgress progress;
    BillDataView view{asker, progress};
};

void BM_ShowRows(benchmark::State& state) {
    Tab tab;
    const BillData data = Rows();
    for (auto _ : state) {
        tab.view.SetData(data);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_JumpToLastRow(benchmark::State& state) {
    Tab tab;
    tab.view.SetData(Rows());
    int row = kRows;
    for (auto _ : state) {
        tab.view.ShowRow(row);
        QApplication::processEvents();
        row = row == kRows ? 1 : kRows;
    }
}
BENCHMARK(BM_JumpToLastRow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
