#pragma once
// "数据统计分析": the settings of a statistics run over the current format's stored
// bills, the period table and the chart, split by a line whose place is kept.
#include <QDialog>
#include <memory>

class Asker;
class Database;
class QButtonGroup;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSplitter;
class QTableWidget;
struct StatsBox;
struct StatsRequest;
struct StatsResult;

class StatisticsDialog final : public QDialog {
    Q_OBJECT
public:
    StatisticsDialog(Database& db, const QString& formatName, Asker& asker, QWidget* parent = nullptr);
    ~StatisticsDialog() override;

    // The start button: checks the settings (saying what is missing), computes and
    // shows the table and the chart. False when nothing was computed.
    bool Run();
    StatsRequest Request() const;
    const StatsResult& Result() const { return *result_; }
    // The save buttons; false when cancelled or not written.
    bool SaveChart();
    bool SaveTable();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildObjectGroup();
    QWidget* BuildPeriodGroup();
    QWidget* BuildRangeGroup();
    QWidget* BuildDateGroup();
    QWidget* BuildContentGroup();
    QWidget* BuildButtons();
    QWidget* BuildResultArea();
    QComboBox* BoxList(const char* name, int list);
    QButtonGroup* Choice(const char* name, const QString& first, const QString& second);
    void FillConditionValues();
    void ShowResult();

    Database& db_;
    QString formatName_;
    Asker& asker_;
    std::unique_ptr<QList<StatsBox>> boxes_;
    std::unique_ptr<StatsResult> result_;
    QButtonGroup* object_ = nullptr;
    QButtonGroup* period_ = nullptr;
    QButtonGroup* dateKind_ = nullptr;
    QButtonGroup* content_ = nullptr;
    QComboBox* conditionBox_ = nullptr;
    QComboBox* conditionValue_ = nullptr;
    QComboBox* amountBox_ = nullptr;
    QComboBox* dateBox_ = nullptr;
    QComboBox* yearBox_ = nullptr;
    QComboBox* monthBox_ = nullptr;
    QComboBox* dayBox_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* chart_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* saveChart_ = nullptr;
    QPushButton* saveTable_ = nullptr;
    bool splitterRestored_ = false;
};
