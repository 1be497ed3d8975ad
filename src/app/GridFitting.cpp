#include "app/GridFitting.h"

#include "core/Progress.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <optional>

namespace {

constexpr int kMeasuredRows = 1000;
// Above this many rows the fitting shows its progress.
constexpr int kQuietRows = 200;
constexpr int kMarginTwips = 100;
constexpr int kEmptyTwips = 50;

const QString kFittingCaption = QStringLiteral("正在做交易数据表格进行格式设置……");

int Pixels(const QTableView* view, int twips) { return twips * view->logicalDpiX() / 1440; }

} // namespace

int CellExtraPixels(const QTableView* view) {
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    return margins + (view->showGrid() ? 1 : 0);
}

void SettleLayouts(QWidget* widget) {
    QList<QLayout*> layouts;
    for (; widget; widget = widget->parentWidget())
        if (widget->layout()) layouts.prepend(widget->layout());
    for (QLayout* layout : layouts) layout->activate();
}

void FitColumns(QTableView* view, int firstColumn, Progress* progress) {
    const QAbstractItemModel* model = view->model();
    if (!model) return;
    const int rows = std::min(model->rowCount(), kMeasuredRows);
    const int columns = model->columnCount();
    if (model->rowCount() == 0) firstColumn = 0;
    std::optional<ProgressScope> scope;
    if (progress && model->rowCount() > kQuietRows)
        scope.emplace(*progress, kFittingCaption, std::max(1, columns - firstColumn));
    const QFontMetrics metrics(view->font());
    const int cellExtra = CellExtraPixels(view);
    const int limit = std::max(1, view->width() / 2);
    for (int column = firstColumn; column < columns; ++column) {
        int text = 0;
        for (int row = 0; row < rows; ++row)
            text = std::max(text, metrics.horizontalAdvance(model->index(row, column).data().toString()));
        const int header = model->headerData(column, Qt::Horizontal).toString().isEmpty()
                               ? 0
                               : view->horizontalHeader()->sectionSizeHint(column);
        int width = std::max(text > 0 ? text + cellExtra : 0, header);
        width = width > 0 ? width + Pixels(view, kMarginTwips) : Pixels(view, kEmptyTwips);
        if (!view->isColumnHidden(column)) view->setColumnWidth(column, std::min(width, limit));
        if (scope) scope->Step();
    }
}
