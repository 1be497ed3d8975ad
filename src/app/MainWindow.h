#pragma once
// The main window MF: format tree, viewport for the canvas, option boxes, page labels,
// the three grids and the main menu. The open format's road from opening to leaving
// (open, save, leave, add, print, next page) is the FormatController's, shared with the
// command line; the window asks what only a window asks (names, printers) and its views
// follow the document.
#include <QMainWindow>
#include <array>
#include <memory>

class Asker;
class BillDataView;
struct BillData;
class BillPrinter;
class BoxGridModel;
class DesignerView;
class FormatController;
class FormatTreeView;
class HistoryView;
class ProgressWindow;
class QCheckBox;
class QLabel;
class PageCaptionRow;
struct PrintedBill;
class QSplitter;
class Session;
class StoreChanges;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, Asker& asker, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The main-window start-up: Temp folder, line-break marker, last-use row and its
    // option boxes, the last format, the rounding method, the stored placement.
    void StartUp();

    // Makes a format current: loads it, shows it, rewrites the last-use row. A format
    // that cannot be loaded leaves the current one as it was; false then.
    bool OpenFormat(const QString& name, bool force);
    // "保存格式": stores the box grid and page parameters of the current format.
    bool SaveFormat();
    // "另存格式": stores the open format under another name and opens it there; an
    // empty name asks for one.
    bool SaveFormatAs(const QString& name);

    // "新建格式": asks for name and page size, then stores and opens the empty format.
    bool NewFormat();
    // "选择格式" and "管理格式": the format list; the chosen format opens.
    bool ChooseFormat();

    DesignerView& Designer() const { return *designer_; }
    FormatController& Controller() const { return *controller_; }

    // Printing (MainWindowPrinting.cpp): "打印当前单据", the preview, the calibration
    // page, the print offsets and the bill as a picture.
    bool PrintCurrentBill();
    void PreviewCurrentBill();
    void PrintCalibration();
    void EditOffsets();
    bool OutputPicture();
    BoxGridModel& BoxGrid() const { return *boxGrid_; }

    // Batches (MainWindowBatch.cpp): "打印所有单据" (every data row in one job, each
    // kept in history), the selected history bills again, and the data rows as label
    // sheets. False when cancelled or stopped.
    bool PrintAllRows();
    bool PrintHistoryRows();
    bool PrintLabelSheets();

    // The bill-data tab (MainWindowData.cpp): import through the column mapping, and
    // DisplayCurrentRow, which writes data row `row` (from 0) into the boxes.
    bool ImportData();
    void DisplayCurrentRow(int row);
    BillDataView& BillDataTab() const { return *billData_; }
    ProgressWindow& ProgressIndicator() const { return *progress_; }
    Session& CurrentSession() const { return session_; }

    // Records (MainWindowHistory.cpp): the history tab, and the bill menu's
    // "添加下一张单据" (print false) and "打印并添加单据". False after saying why.
    HistoryView& History() const { return *history_; }
    // Word from other seats of a server store; nullptr on the file.
    StoreChanges* OtherSeats() const { return changes_; }
    bool AddBill(bool print);
    // "数据统计分析" over the open format's stored bills (MainWindowStats.cpp).
    void ShowStatistics();

Q_SIGNALS:
    // A format was made current; the canvas rebuilds its boxes from the session.
    void FormatOpened();
    // An option box O2 was clicked (index 0..4); rulers and background follow.
    void OptionBoxToggled(int index, bool on);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const BillData* GridRowsToPrint();
    QWidget* BuildCentre();
    QWidget* BuildOptionRow();
    QWidget* BuildGrids();
    QWidget* BuildBillDataTab();
    void ConnectMenu();
    void ConnectController();
    // What follows a format made current: views, menus and the last-use row.
    void FollowOpenedFormat();
    // "格式名 * — Vellumark": the open format and whether it has unsaved box edits.
    void ShowTitle();
    // A short note in the status bar; notes of one command are shown together.
    void ShowNote(const QString& text);
    // While it lives, the notes of one command (a save before a print, the pages
    // printed) join into one status-bar message, however long the command waits.
    class NoteGathering {
    public:
        explicit NoteGathering(MainWindow& window);
        ~NoteGathering();
        NoteGathering(const NoteGathering&) = delete;
        NoteGathering& operator=(const NoteGathering&) = delete;

    private:
        MainWindow& window_;
    };
    // A toggle of the settings menu: kept in the format's page record at once.
    void KeepToggle(int toggle, bool on);
    void ApplyOptionBoxes();
    void OnOptionBox(int index, bool on);
    std::array<int, 3> LastUseBoxes() const;
    void SetLineBreakMarker();
    void SetRoundingMethod();
    void SetCurrencySymbol();
    void ChangeLoginPassword();
    void UpdateMenuState();
    // Menu commands that hand over to the designer and the format files (MainWindowCommands.cpp).
    void ConnectDesigner();
    void ConnectFormatCommands();
    void ConnectPrinting();
    void ConnectBatchPrinting();
    // The format tree and the format list (MainWindowTree.cpp).
    void ConnectFormatTree();
    void FollowOtherSeats();
    // The entry aids on the open bill (MainWindowAids.cpp).
    void ConnectAids();
    // Leaves the box being typed in, so its text is converted before it is used.
    void CommitTyping();
    // The bill in the boxes on a printer chosen for it, kept in history as it prints.
    PrintedBill PrintOnChosenPrinter();
    void EditPageSize();
    void ImportFormatFile();
    void ExportFormatFile();
    void ChooseBarcodeStandard();
    // False (after saying why) for a name the format tree cannot hold.
    bool AcceptFormatName(const QString& name);
    HistoryView* BuildHistory();
    void ConnectHistory();
    void LoadStoredBill(qint64 billNumber);

    // How long a command's note stays in the status bar.
    static constexpr int kStatusMessageMs = 8000;
    Session& session_;
    Asker& asker_;
    BoxGridModel* boxGrid_;
    ProgressWindow* progress_;
    FormatController* controller_;
    BillDataView* billData_ = nullptr;
    FormatTreeView* tree_ = nullptr;
    DesignerView* designer_ = nullptr;
    PageCaptionRow* captions_ = nullptr;
    QSplitter* pageAndGrids_ = nullptr;
    std::unique_ptr<BillPrinter> printer_;
    QLabel* hint_ = nullptr;
    std::array<QCheckBox*, 5> optionBoxes_{};
    HistoryView* history_ = nullptr;
    StoreChanges* changes_ = nullptr; // other seats' word on a server store; null for the file
    // The note in the status bar and how many commands are gathering notes into it.
    QString note_;
    int gatheringNotes_ = 0;
};
