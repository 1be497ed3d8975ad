#include "app/StatisticsDialog.h"

#include "app/StatisticsChart.h"
#include "core/Asker.h"
#include "stats/Statistics.h"
#include "stats/StatsBoxes.h"
#include "stats/StatsQueries.h"
#include "stats/StatsTexts.h"
#include "store/Database.h"
#include "store/ParamStore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Chosen(const QComboBox* box) { return box->currentText(); }

} // namespace

StatisticsDialog::StatisticsDialog(Database& db, const QString& formatName, Asker& asker, QWidget* parent)
    : QDialog(parent), db_(db), formatName_(formatName), asker_(asker),
      boxes_(std::make_unique<QList<StatsBox>>(ReadStatsBoxes(db, formatName))),
      result_(std::make_unique<StatsResult>()) {
    setObjectName(QStringLiteral("Analysis"));
    setWindowTitle(StatsText::kTitle);
    auto* settings = new QHBoxLayout;
    settings->addWidget(BuildObjectGroup());
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildPeriodGroup());
    middle->addWidget(BuildContentGroup());
    settings->addLayout(middle);
    settings->addWidget(BuildRangeGroup());
    settings->addWidget(BuildDateGroup());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(BuildButtons());
    layout->addWidget(BuildResultArea(), 1);
    FillConditionValues();
    resize(1000, 700);
}

StatisticsDialog::~StatisticsDialog() = default;

QButtonGroup* StatisticsDialog::Choice(const char* name, const QString& first, const QString& second) {
    auto* group = new QButtonGroup(this);
    group->setObjectName(QString::fromLatin1(name));
    int id = 0;
    for (const QString& text : {first, second}) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QString::fromLatin1(name) + QString::number(id));
        group->addButton(button, id++);
    }
    group->button(0)->setChecked(true);
    return group;
}

QComboBox* StatisticsDialog::BoxList(const char* name, int list) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(BoxChoices(*boxes_, StatsBoxList(list)));
    box->setMinimumContentsLength(8);
    return box;
}

QWidget* StatisticsDialog::BuildObjectGroup() {
    auto* group = new QGroupBox(StatsText::kObjectGroup, this);
    object_ = Choice("Object", StatsText::kAllBills, StatsText::kConditional);
    conditionBox_ = BoxList("ConditionBox", int(StatsBoxList::Condition));
    conditionValue_ = new QComboBox(this);
    conditionValue_->setObjectName(QStringLiteral("ConditionValue"));
    conditionValue_->setEditable(true);
    amountBox_ = BoxList("AmountBox", int(StatsBoxList::Amount));
    auto* grid = new QGridLayout(group);
    grid->addWidget(object_->button(0), 0, 0);
    grid->addWidget(object_->button(1), 0, 1);
    grid->addWidget(conditionBox_, 1, 0);
    grid->addWidget(new QLabel(StatsText::kEquals, this), 1, 1, Qt::AlignCenter);
    grid->addWidget(conditionValue_, 1, 2);
    grid->addWidget(new QLabel(StatsText::kAmountBox, this), 2, 0);
    grid->addWidget(amountBox_, 2, 1, 1, 2);
    const auto follow = [this] {
        const bool conditional = object_->checkedId() == 1;
        conditionBox_->setEnabled(conditional);
        conditionValue_->setEnabled(conditional);
    };
    connect(object_, &QButtonGroup::idToggled, this, follow);
    follow();
    connect(conditionBox_, &QComboBox::currentTextChanged, this, &StatisticsDialog::FillConditionValues);
    return group;
}

QWidget* StatisticsDialog::BuildPeriodGroup() {
    auto* group = new QGroupBox(StatsText::kPeriodGroup, this);
    period_ = Choice("Period", StatsText::kPerDay, StatsText::kPerMonth);
    auto* row = new QHBoxLayout(group);
    row->addWidget(period_->button(0));
    row->addWidget(period_->button(1));
    return group;
}

QWidget* StatisticsDialog::BuildContentGroup() {
    auto* group = new QGroupBox(StatsText::kContentGroup, this);
    content_ = Choice("Content", StatsText::kAmounts, StatsText::kBillCount);
    auto* row = new QHBoxLayout(group);
    row->addWidget(content_->button(0));
    row->addWidget(content_->button(1));
    connect(content_, &QButtonGroup::idToggled, this,
            [this] { amountBox_->setEnabled(content_->checkedId() == 0); });
    return group;
}

QWidget* StatisticsDialog::BuildRangeGroup() {
    auto* group = new QGroupBox(StatsText::kRangeGroup, this);
    const QDate today = QDate::currentDate();
    const auto dateEdit = [this](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date, this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        return edit;
    };
    from_ = dateEdit("From", QDate(today.year(), 1, 1));
    to_ = dateEdit("To", today);
    auto* column = new QVBoxLayout(group);
    column->addWidget(from_);
    column->addWidget(new QLabel(StatsText::kRangeTo, this), 0, Qt::AlignCenter);
    column->addWidget(to_);
    return group;
}

QWidget* StatisticsDialog::BuildDateGroup() {
    auto* group = new QGroupBox(StatsText::kDateGroup, this);
    dateKind_ = Choice("DateKind", StatsText::kWholeDate, StatsText::kCombinedDate);
    dateBox_ = BoxList("DateBox", int(StatsBoxList::WholeDate));
    yearBox_ = BoxList("YearBox", int(StatsBoxList::Year));
    monthBox_ = BoxList("MonthBox", int(StatsBoxList::Month));
    dayBox_ = BoxList("DayBox", int(StatsBoxList::Day));
    auto* grid = new QGridLayout(group);
    grid->addWidget(dateKind_->button(0), 0, 0);
    grid->addWidget(dateBox_, 0, 1, 1, 5);
    grid->addWidget(dateKind_->button(1), 1, 0);
    int column = 1;
    for (auto [caption, box] : {std::pair{StatsText::kYear, yearBox_}, {StatsText::kMonth, monthBox_},
                                {StatsText::kDay, dayBox_}}) {
        grid->addWidget(new QLabel(caption, this), 1, column++);
        grid->addWidget(box, 1, column++);
    }
    const auto follow = [this] {
        const bool combined = dateKind_->checkedId() == 1;
        dateBox_->setEnabled(!combined);
        for (QComboBox* box : {yearBox_, monthBox_, dayBox_}) box->setEnabled(combined);
    };
    connect(dateKind_, &QButtonGroup::idToggled, this, follow);
    follow();
    return group;
}

QWidget* StatisticsDialog::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, layout](const char* name, const QString& text, auto handler) {
        auto* push = new QPushButton(text, this);
        push->setObjectName(QString::fromLatin1(name));
        layout->addWidget(push);
        connect(push, &QPushButton::clicked, this, handler);
        return push;
    };
    button("Run", StatsText::kRun, [this] { Run(); })->setDefault(true);
    saveChart_ = button("SaveChart", StatsText::kSaveChart, [this] { SaveChart(); });
    saveTable_ = button("SaveTable", StatsText::kSaveTable, [this] { SaveTable(); });
    saveChart_->setEnabled(false);
    saveTable_->setEnabled(false);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    layout->addWidget(note_, 1);
    return row;
}

QWidget* StatisticsDialog::BuildResultArea() {
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("Splitter"));
    // The line moves when released, and that is when its place is kept.
    splitter_->setOpaqueResize(false);
    splitter_->addWidget(table_);
    splitter_->addWidget(chart_);
    splitter_->setStretchFactor(1, 1);
    connect(splitter_, &QSplitter::splitterMoved, this, [](int position) {
        WriteSetting(StatsText::kSettingsApp, StatsText::kSettingsSection, StatsText::kSplitterKey,
                     QString::number(position));
    });
    return splitter_;
}

void StatisticsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (splitterRestored_) return;
    splitterRestored_ = true;
    bool ok = false;
    const int position = ReadSetting(StatsText::kSettingsApp, StatsText::kSettingsSection,
                                     StatsText::kSplitterKey, QString()).toInt(&ok);
    const int whole = splitter_->width() - splitter_->handleWidth();
    if (ok && position > 0 && position < whole) splitter_->setSizes({position, whole - position});
}

void StatisticsDialog::FillConditionValues() {
    // A value of the box chosen before means nothing for this one: start from the first.
    conditionValue_->clear();
    conditionValue_->addItems(DistinctValues(
        db_, formatName_, IdsOf(BoxesOfChoice(*boxes_, StatsBoxList::Condition, Chosen(conditionBox_)))));
    conditionValue_->setCurrentIndex(0);
}

StatsRequest StatisticsDialog::Request() const {
    StatsRequest request;
    request.formatName = formatName_;
    request.from = from_->date();
    request.to = to_->date();
    request.period = period_->checkedId() == 1 ? StatsPeriod::Month : StatsPeriod::Day;
    request.combinedDate = dateKind_->checkedId() == 1;
    request.dateBox = Chosen(dateBox_);
    request.yearBox = Chosen(yearBox_);
    request.monthBox = Chosen(monthBox_);
    request.dayBox = Chosen(dayBox_);
    request.content = content_->checkedId() == 1 ? StatsContent::Count : StatsContent::Amount;
    request.amountBox = Chosen(amountBox_);
    request.conditional = object_->checkedId() == 1;
    request.conditionBox = Chosen(conditionBox_);
    request.conditionValue = conditionValue_->currentText();
    return request;
}

bool StatisticsDialog::Run() {
    const StatsRequest request = Request();
    if (const std::optional<QString> problem = CheckRequest(request)) {
        asker_.Message(*problem);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    *result_ = ComputeStatistics(db_, request);
    QApplication::restoreOverrideCursor();
    ShowResult();
    return !result_->failed;
}

void StatisticsDialog::ShowResult() {
    const QList<QStringList> table = result_->Table();
    table_->clear();
    table_->setHorizontalHeaderLabels(table.first());
    table_->setRowCount(int(table.size()) - 1);
    for (int row = 1; row < table.size(); ++row)
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(table[row][column]);
            if (column != 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row - 1, column, item);
        }
    table_->resizeColumnsToContents();

    QStringList notes;
    if (result_->failed) notes << StatsText::kReadFailed + db_.LastError();
    else if (result_->rows.isEmpty()) notes << StatsText::kNoBills;
    if (result_->skippedBills > 0) notes << StatsText::kSkippedBills.arg(result_->skippedBills);
    note_->setText(notes.join(u' '));

    saveChart_->setEnabled(!result_->rows.isEmpty());
    saveTable_->setEnabled(!result_->rows.isEmpty());
    // No bill in range: no chart.
    QChart* old = chart_->chart();
    chart_->setChart(result_->rows.isEmpty() ? new QChart : BuildStatisticsChart(*result_));
    delete old;
}

bool StatisticsDialog::SaveChart() {
    if (result_->rows.isEmpty()) return false;
    const QString path = asker_.ChooseSaveFile(StatsText::kSaveChart, StatsText::kPngFilter,
                                               formatName_ + QStringLiteral(".png"));
    if (path.isEmpty()) return false;
    if (SaveStatisticsChart(*result_, chart_->size(), path)) return true;
    asker_.Message(StatsText::kSaveFailed + path);
    return false;
}

bool StatisticsDialog::SaveTable() {
    if (result_->rows.isEmpty()) return false;
    const QString path = asker_.ChooseSaveFile(StatsText::kSaveTable, StatsText::kCsvFilter,
                                               formatName_ + QStringLiteral(".csv"));
    if (path.isEmpty()) return false;
    if (WriteStatsCsv(*result_, path)) return true;
    asker_.Message(StatsText::kSaveFailed + path);
    return false;
}
