#include "app/FormatListDialog.h"

#include "app/FormatListTexts.h"
#include "app/GridFind.h"
#include "app/WindowPlacement.h"
#include "core/Asker.h"
#include "formatfile/FormatExport.h"
#include "formatfile/FormatImport.h"
#include "formatfile/FormatList.h"
#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeCommands.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/StoreChanges.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace FormatListText;

namespace {

enum Column { kIdColumn, kNumberColumn, kMarkColumn, kNameColumn, kWidthColumn, kHeightColumn };
const QList<int> kSearchedColumns = {kNumberColumn, kMarkColumn, kNameColumn, kWidthColumn,
                                     kHeightColumn};
const QSize kPreviewSize(360, 260);

QString Number(double value) { return QString::number(value, 'g', 15); }

QTableWidget* MakeGrid(QWidget* parent) {
    auto* grid = new QTableWidget(0, int(kColumns.size()), parent);
    grid->setObjectName(QStringLiteral("FmtGrid"));
    grid->setHorizontalHeaderLabels(kColumns);
    grid->setColumnHidden(kIdColumn, true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    // Fixed widths: measuring 500 rows to fit them would slow the opening down.
    grid->setColumnWidth(kNumberColumn, 48);
    grid->setColumnWidth(kMarkColumn, 40);
    grid->setColumnWidth(kWidthColumn, 72);
    grid->setColumnWidth(kHeightColumn, 72);
    grid->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    return grid;
}

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    return entries;
}

QPushButton* AddButton(QBoxLayout* layout, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

FormatListDialog::FormatListDialog(Database& db, Asker& asker, Progress& progress,
                                   const QString& currentName, QWidget* parent)
    : QDialog(parent), db_(db), asker_(asker), progress_(progress), current_(currentName),
      grid_(MakeGrid(this)), preview_(new QLabel(this)), search_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FmtList"));
    setWindowTitle(kTitle);

    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumSize(kPreviewSize);
    preview_->setFrameShape(QFrame::StyledPanel);
    search_->setObjectName(QStringLiteral("FindText"));
    search_->setEditable(true);
    search_->setInsertPolicy(QComboBox::NoInsert);
    search_->setToolTip(kSearchTip);
    search_->setMinimumContentsLength(16);
    search_->lineEdit()->installEventFilter(this);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(kListLabel, this));
    listColumn->addWidget(grid_, 1);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(kPreviewLabel, this));
    previewColumn->addWidget(preview_, 1);
    auto* panes = new QHBoxLayout;
    panes->addLayout(listColumn, 3);
    panes->addLayout(previewColumn, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    connect(AddButton(buttons, kSearch, this), &QPushButton::clicked, this, [this] { Search(); });
    buttons->addStretch(1);
    QPushButton* choose = AddButton(buttons, kChoose, this);
    choose->setDefault(true); // Enter in the grid chooses
    connect(choose, &QPushButton::clicked, this, [this] { Choose(); });
    connect(AddButton(buttons, kImport, this), &QPushButton::clicked, this, [this] { Import(); });
    connect(AddButton(buttons, kExport, this), &QPushButton::clicked, this, [this] { Export(); });
    connect(AddButton(buttons, kDelete, this), &QPushButton::clicked, this, [this] { Delete(); });
    connect(AddButton(buttons, kQuit, this), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { MarkRow(row); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { Choose(); });

    resize(860, 540);
    ParamStore params(db_);
    RestoreWindowPlacement(params, this, kPlacementName);
    search_->addItems(params.LoadKeywordHistory(kSearchHistoryParam));
    search_->setCurrentIndex(-1);
    Fill(current_);
}

QString FormatListDialog::MarkedName() const {
    const QTableWidgetItem* item = markedRow_ < 0 ? nullptr : grid_->item(markedRow_, kNameColumn);
    return item ? item->text() : QString();
}

void FormatListDialog::Fill(const QString& markedName) {
    const QList<FormatListRow> rows = ReadFormatList(db_);
    const QSignalBlocker quiet(grid_);
    grid_->setUpdatesEnabled(false);
    grid_->clearContents();
    grid_->setRowCount(int(rows.size()));
    int marked = rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const FormatListRow& row = rows[i];
        const QString cells[] = {QString::number(row.id), QString::number(i + 1), QString(),
                                 row.name, Number(row.width), Number(row.height)};
        for (int column = 0; column < int(std::size(cells)); ++column)
            grid_->setItem(i, column, new QTableWidgetItem(cells[column]));
        if (row.name == markedName) marked = i;
    }
    grid_->setUpdatesEnabled(true);
    markedRow_ = -1;
    if (marked < 0) {
        ShowPreview(QString());
        return;
    }
    grid_->setCurrentCell(marked, kNameColumn);
    grid_->scrollToItem(grid_->item(marked, kNameColumn), QAbstractItemView::PositionAtCenter);
    MarkRow(marked);
}

void FormatListDialog::MarkRow(int row) {
    if (row == markedRow_) return;
    if (QTableWidgetItem* old = markedRow_ < 0 ? nullptr : grid_->item(markedRow_, kMarkColumn))
        old->setText(QString());
    markedRow_ = row;
    if (QTableWidgetItem* mark = row < 0 ? nullptr : grid_->item(row, kMarkColumn))
        mark->setText(kMark);
    ShowPreview(MarkedName());
}

void FormatListDialog::ShowPreview(const QString& name) {
    const QString path = name.isEmpty() ? QString() : BackgroundPictures(db_).Fetch(name);
    QImage image;
    if (!path.isEmpty() && QFile::exists(path)) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        // Decoding at the preview's size is far quicker than scaling a full scan.
        QSize size = reader.size();
        if (size.isValid()) {
            size.scale(preview_->size().expandedTo(kPreviewSize), Qt::KeepAspectRatio);
            reader.setScaledSize(size);
        }
        image = reader.read();
    }
    if (image.isNull()) {
        preview_->setPixmap(QPixmap());
        preview_->setText(kNoPicture);
    } else {
        preview_->setPixmap(QPixmap::fromImage(image));
    }
}

void FormatListDialog::Choose() {
    if (MarkedName().isEmpty()) return;
    chosen_ = MarkedName();
    accept();
}

void FormatListDialog::Import() {
    const ImportResult result = ImportFormat(QString(), asker_, db_, progress_);
    if (!result.imported) return;
    Fill(result.name);
    if (result.openNow) {
        chosen_ = result.name;
        accept();
    }
}

void FormatListDialog::Export() {
    if (!MarkedName().isEmpty()) ExportFormat(MarkedName(), asker_, db_);
}

void FormatListDialog::Delete() {
    const QString name = MarkedName();
    if (name.isEmpty()) return;
    FormatTreeValue tree = LoadFormatTree(db_);
    if (!DeleteTreeFormat(tree, db_, asker_, name, current_)) return;
    const int row = markedRow_;
    {
        const QSignalBlocker quiet(grid_);
        grid_->removeRow(row);
        for (int i = row; i < grid_->rowCount(); ++i)
            grid_->item(i, kNumberColumn)->setText(QString::number(i + 1));
    }
    markedRow_ = -1;
    const int next = qMin(row, grid_->rowCount() - 1);
    if (next >= 0) grid_->setCurrentCell(next, kNameColumn);
    MarkRow(next);
    asker_.Message(kDeleted);
}

void FormatListDialog::Search() {
    const QString key = search_->currentText().trimmed();
    if (key.isEmpty()) {
        asker_.Message(kNoKeyword);
        return;
    }
    const std::optional<int> row = FindNextRow(*grid_->model(), grid_->currentRow(), key,
                                               kSearchedColumns);
    if (row) {
        grid_->setCurrentCell(*row, kNameColumn);
        grid_->scrollToItem(grid_->item(*row, kNameColumn), QAbstractItemView::PositionAtTop);
    }
    // The keyword goes to the front of the history, once.
    ParamStore params(db_);
    params.SaveKeywordHistory(kSearchHistoryParam, key, Entries(search_));
    search_->clear();
    search_->addItems(params.LoadKeywordHistory(kSearchHistoryParam));
    search_->setCurrentText(key);
    if (!row) asker_.Message(kNothingFound);
}

void FormatListDialog::ClearSearchHistory() {
    if (!asker_.AskYesNo(kClearSearchHistory)) return;
    search_->clear();
    search_->clearEditText();
    ParamStore(db_).SetParam(kSearchHistoryParam, QString());
}

bool FormatListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Esc belongs to the keyword list here, not to closing the dialog.
        if (key == Qt::Key_Escape) {
            ClearSearchHistory();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Search();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormatListDialog::done(int result) {
    ParamStore params(db_);
    SaveWindowPlacement(params, this, kPlacementName);
    params.SaveKeywordHistory(kSearchHistoryParam, search_->currentText().trimmed(),
                              Entries(search_));
    QDialog::done(result);
}

void FormatListDialog::FollowOtherSeats(StoreChanges* changes) {
    if (!changes) return;
    connect(changes, &StoreChanges::FormatsChanged, this, [this] {
        // A store that cannot be read now keeps the list it showed.
        if (db_.Reachable()) Fill(MarkedName());
    });
}

QString ShowFormatList(Database& db, Asker& asker, Progress& progress, const QString& currentName,
                       QWidget* parent, StoreChanges* changes) {
    FormatListDialog dialog(db, asker, progress, currentName, parent);
    dialog.FollowOtherSeats(changes);
    dialog.exec();
    return dialog.ChosenName();
}
