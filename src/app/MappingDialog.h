#pragma once
// InputMap, "导入数据映射": a preview of the file (19 rows x 59 columns under column
// letters and row numbers), the mapping grid of the format's boxes, and the four row
// settings. OK stores mapping and settings, checks the row limit (the dialog stays
// open on a refusal) and reads the records.
#include "exchange/BillData.h"
#include "exchange/ColumnMapping.h"
#include "exchange/RowSettings.h"

#include <QDialog>

class Asker;
class Database;
class Progress;
class QLineEdit;
class QTableWidget;
class SheetReader;
struct Format;

class MappingDialog final : public QDialog {
    Q_OBJECT
public:
    struct Context {
        const SheetReader& sheet;
        const Format& format;
        Database& db;
        Asker& asker;
        Progress& progress;
        QString lineBreakMarker;
    };
    MappingDialog(const Context& context, QWidget* parent = nullptr);

    // The rows read by OK.
    const BillData& Result() const { return result_; }
    void accept() override;

private:
    QTableWidget* BuildPreview();
    QTableWidget* BuildMapping();
    QWidget* BuildRowSettings();
    RowSettings Settings() const;

    Context context_;
    QList<MappedBox> boxes_;
    QTableWidget* mapping_ = nullptr;
    QLineEdit* fields_[4] = {};
    BillData result_;
};
