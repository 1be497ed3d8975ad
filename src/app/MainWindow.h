#pragma once
// The main window MF: format tree, viewport for the canvas, option boxes, page labels,
// the three grids and the main menu. It drives the format's road from opening to
// saving; the designer's view is the page area and follows every opened format.
#include <QMainWindow>
#include <array>
#include <memory>

class Asker;
class BillDataView;
struct AidContext;
struct BillData;
class BillPrinter;
class Bill;
class BoxGridModel;
class DesignerView;
class FormatTreeView;
class HistoryView;
class ProgressWindow;
class QCheckBox;
class QLabel;
class QPushButton;
class Session;
struct Format;
struct ValueFilling;

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

    // Records (MainWindowHistory.cpp): the history tab, the bill menu's "添加下一张单据"
    // (print false) and "打印并添加单据", and the open format's default contents,
    // stored when it is saved, left or the window closes. False after saying why.
    HistoryView& History() const { return *history_; }
    bool AddBill(bool print);
    bool StoreDefaults();
    // Before the open format is left: unsaved box edits are saved, dropped, or the
    // leaving is cancelled (false).
    bool ConfirmLeavingFormat();
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
    // Opens the format without asking about the one it replaces.
    bool LoadFormat(const QString& name);
    QWidget* BuildCentre();
    QWidget* BuildLabelRow();
    QWidget* BuildOptionRow();
    QWidget* BuildGrids();
    QWidget* BuildBillDataTab();
    void ConnectMenu();
    void ShowFormat();
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
    // After a printed bill: the next page of a multi-page bill, else clearing.
    void AfterPrint(QString formatName, bool autoJump, bool clearAfterPrint);
    // The format tree and the format list (MainWindowTree.cpp).
    void ConnectFormatTree();
    // The entry aids on the open bill (MainWindowAids.cpp); RunAutoFill refills the
    // automatic numbers, lists and passwords of a fresh bill.
    void ConnectAids();
    void RunAutoFill();
    // What values entering the bill need: the store, the line-break marker, the open
    // format's conversion settings, where questions go.
    AidContext EntryContext();
    // Leaves the box being typed in, so its text is converted before it is used.
    void CommitTyping();
    // Saves the format first when it has boxes added since the last save, so a bill
    // kept in history holds every box's value; false when that save failed.
    bool SaveNewBoxesFirst();
    void EditPageSize();
    void ImportFormatFile();
    void ExportFormatFile();
    void ChooseBarcodeStandard();
    // False (after saying why) for a name the format tree cannot hold.
    bool AcceptFormatName(const QString& name);
    HistoryView* BuildHistory();
    void ConnectHistory();
    // The format's stored default contents.
    Bill DefaultsOf(const Format& format, const ValueFilling& filling);
    bool KeepBill(const Format& format, const Bill& bill);
    void LoadStoredBill(qint64 billNumber);

    // How long a command's note stays in the status bar.
    static constexpr int kStatusMessageMs = 8000;
    Session& session_;
    Asker& asker_;
    BoxGridModel* boxGrid_;
    ProgressWindow* progress_;
    BillDataView* billData_ = nullptr;
    FormatTreeView* tree_ = nullptr;
    DesignerView* designer_ = nullptr;
    QPushButton* pageSizeButton_ = nullptr;
    QPushButton* offsetsButton_ = nullptr;
    QPushButton* calibrationButton_ = nullptr;
    std::unique_ptr<BillPrinter> printer_;
    QLabel* hint_ = nullptr;
    QLabel* formatName_ = nullptr;
    QLabel* width_ = nullptr;
    QLabel* height_ = nullptr;
    QLabel* offsetX_ = nullptr;
    QLabel* offsetY_ = nullptr;
    std::array<QCheckBox*, 5> optionBoxes_{};
    HistoryView* history_ = nullptr;
    bool billKept_ = false;
};
