#pragma once
// An input box on the canvas: the on-screen object of one box record. It knows its
// record's ID, its box number (kind * 1000 + n) and its place in canvas twips; the
// record stays the authority and is written back by the view after every change.
#include "store/Format.h"

#include <QRect>
#include <QWidget>

class QLabel;
class SelectionMark;

// What a box needs from its surroundings when it is built.
struct BoxEnvironment {
    double twipsPerPixel = 15;
    BarcodeStandard barcodeStandard = BarcodeStandard::Code39;
};

class InputBox : public QWidget {
    Q_OBJECT
public:
    InputBox(BoxKind kind, QWidget* canvas);
    ~InputBox() override;

    BoxKind Kind() const { return kind_; }
    qint64 Id() const { return id_; }
    int Number() const { return number_; }
    void SetIdentity(qint64 id, int number);

    // Position and size in canvas twips (a line: the two end points as corners).
    QRect Twips() const { return twips_; }
    void SetTwips(const QRect& twips);
    // Lays the widget and its caption out from the twips in canvas pixels.
    virtual void LayOut();

    // Font, colours and the kind's own properties from the record.
    virtual void ApplyRecord(const BoxRecord& record);
    // The format's barcode standard changed: barcodes are drawn in the new one.
    void SetBarcodeStandard(BarcodeStandard standard);

    // The content as text (GetBoxContent) and showing a stored content as it is.
    virtual QString Content() const { return {}; }
    virtual void ShowContent(const QString&) {}
    virtual void ClearContent() {}
    virtual bool HasCaption() const { return true; }

    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected);
    // The current box: the one the arrow keys and the property dialog act on.
    bool IsCurrent() const { return current_; }
    void SetCurrent(bool current);

    // The caption label beside text, check and picture boxes (none for other kinds).
    QLabel* Caption() const { return caption_; }
    void PlaceCaption();

    // The widgets that take the pointer and the keys over the box: the box itself and
    // its inputs.
    QList<QWidget*> Parts() const;

Q_SIGNALS:
    // The user changed the content (typed, ticked).
    void ContentEdited(InputBox* box);
    // The user left a text box: its text is converted by its data type.
    void EditingFinished(InputBox* box);
    void CtrlClicked(InputBox* box);
    void MenuRequested(InputBox* box, const QPoint& globalPos);

protected:
    // Routes Ctrl-clicks and the context menu of a child editor through the box.
    void WatchInput(QWidget* input);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    virtual void ShowSelection(bool selected) = 0;
    const BoxEnvironment& Environment() const { return environment_; }

    int dir_ = 0;

private:
    void ShowMark();

    friend class BoxFactory;
    BoxKind kind_;
    qint64 id_ = 0;
    int number_ = 0;
    QRect twips_;
    bool selected_ = false;
    bool current_ = false;
    SelectionMark* mark_ = nullptr; // made when first needed; lines mark themselves
    QLabel* caption_ = nullptr;
    QList<QWidget*> inputs_;
    BoxEnvironment environment_;
};

// A colour as the records keep it (the inverse of RecordColor).
qint64 RecordFromColor(const QColor& color);
// The alignment packed into L as Qt shows it.
Qt::Alignment HorizontalAlignment(int alignmentCode);
// The record's font as shown on screen.
QFont FontFromRecord(const BoxRecord& record);
