#pragma once
// The format list FmtList ("选择/管理格式模板"): every format in a grid with its page
// size, a preview of the marked format's background picture, search with a keyword
// history, and buttons to choose, import, export and delete formats.
#include <QDialog>

class Asker;
class Database;
class Progress;
class QComboBox;
class QLabel;
class QTableWidget;
class StoreChanges;

class FormatListDialog final : public QDialog {
    Q_OBJECT
public:
    // `currentName` is the open format: it is marked first and cannot be deleted.
    FormatListDialog(Database& db, Asker& asker, Progress& progress, const QString& currentName,
                     QWidget* parent = nullptr);

    // The format chosen with "选 择" (or imported and opened); empty otherwise.
    QString ChosenName() const { return chosen_; }
    // The format whose row carries the mark.
    QString MarkedName() const;

    // Lists again when another seat changes the formats (`changes` may be null).
    void FollowOtherSeats(StoreChanges* changes);

    // The buttons' commands.
    void Choose();
    void Import();
    void Export();
    void Delete();
    void Search();
    // Esc in the search box: asks, then empties the keyword history.
    void ClearSearchHistory();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(const QString& markedName);
    void MarkRow(int row);
    void ShowPreview(const QString& name);

    Database& db_;
    Asker& asker_;
    Progress& progress_;
    QString current_;
    QString chosen_;
    QTableWidget* grid_;
    QLabel* preview_;
    QComboBox* search_;
    int markedRow_ = -1;
};

// ShowFormatList: shows the list and returns the chosen format's name, empty when
// none was chosen. With `changes`, the list follows other seats' changes.
QString ShowFormatList(Database& db, Asker& asker, Progress& progress, const QString& currentName,
                       QWidget* parent, StoreChanges* changes = nullptr);
