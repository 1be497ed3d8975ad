// The main window's side of the entry aids: the designer enters what is typed through
// the entry path with the context given here; tied boxes are tinted while a text box
// has the focus, numeric boxes drop other keys, typing completes from history, a
// double click offers earlier values, and the menus build rings, fill dates and
// passwords.
#include "app/MainWindow.h"

#include "aids/AidContext.h"
#include "aids/AutoFill.h"
#include "aids/BillPassword.h"
#include "aids/EntryPath.h"
#include "aids/Relations.h"
#include "aids/RingBuilders.h"
#include "aids/TypingAids.h"
#include "app/PasswordAreaDialog.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "designer/PageCanvas.h"
#include "designer/TextInputBox.h"
#include "document/FormatController.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kAutoFindMs = 50;
constexpr int kListExtraTwips = 300;
constexpr int kListRows = 8;

class AidsInput final : public QObject {
public:
    AidsInput(Session& session, const FormatController& controller, DesignerView& designer, QObject* parent)
        : QObject(parent), session_(session), controller_(controller), designer_(designer) {
        autoFind_.setObjectName(QStringLiteral("AutoFind"));
        autoFind_.setSingleShot(true);
        autoFind_.setInterval(kAutoFindMs);
        connect(&autoFind_, &QTimer::timeout, this, &AidsInput::Complete);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { FocusChanged(now); });
        // A box left may be entered again later: its ties are then shown again.
        connect(&designer_, &DesignerView::BoxEdited, this, [this](qint64 id) {
            if (id == focusedId_) focusedId_ = 0;
        });
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: return KeyPressed(watched, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress: return Pressed(watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonDblClick: return DoubleClicked(watched);
        default: return false;
        }
    }

    void HideRelationColor() {
        for (qint64 id : std::as_const(tinted_))
            if (auto* box = qobject_cast<TextInputBox*>(designer_.BoxById(id))) box->SetTint({});
        tinted_.clear();
    }

private:
    FormatDocument& Document() { return session_.Document(); }

    // The text box of the designer that `object` belongs to.
    TextInputBox* TextBoxOf(QObject* object) const {
        for (QObject* o = object; o; o = o->parent()) {
            if (auto* box = qobject_cast<TextInputBox*>(o)) return designer_.isAncestorOf(box) ? box : nullptr;
            if (o == &designer_) return nullptr;
        }
        return nullptr;
    }

    const BoxRecord* RecordOf(const TextInputBox* box) { return box ? Document().Record(box->Id()) : nullptr; }

    void FocusChanged(QWidget* now) {
        TextInputBox* box = TextBoxOf(now);
        if (!box || box->Id() == focusedId_) return;
        focusedId_ = box->Id();
        // After the press that gave the focus has cleared the old tints.
        QTimer::singleShot(0, this, [this, id = focusedId_] {
            if (id == focusedId_) HighlightRelations(id);
        });
    }

    void HighlightRelations(qint64 id) {
        HideRelationColor();
        const QHash<qint64, QColor> tints = RelationTints(Document(), id);
        for (auto it = tints.cbegin(); it != tints.cend(); ++it)
            if (auto* box = qobject_cast<TextInputBox*>(designer_.BoxById(it.key()))) {
                box->SetTint(it.value());
                tinted_.insert(it.key());
            }
    }

    bool KeyPressed(QObject* watched, QKeyEvent* event) {
        if (list_ && watched == list_ && event->key() == Qt::Key_Escape) {
            list_->hide();
            return true;
        }
        TextInputBox* box = TextBoxOf(watched);
        const BoxRecord* record = RecordOf(box);
        if (!record || watched != box->Editor()) return false;
        const QString typed = event->text();
        if (!AcceptsTyped(record->cash, typed)) return true;
        if (!typed.isEmpty() && typed[0].unicode() >= 0x20) {
            typing_ = box;
            autoFind_.start();
        }
        return false;
    }

    bool Pressed(QObject* watched, QMouseEvent* event) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !designer_.isAncestorOf(widget)) return false;
        if (list_ && list_->isVisible() && widget != list_ && !list_->isAncestorOf(widget)) list_->hide();
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        if (!ctrl) HideRelationColor();
        TextInputBox* box = TextBoxOf(watched);
        const BoxRecord* record = RecordOf(box);
        if (!record || ctrl || watched != box->Editor()->viewport() || event->button() != Qt::LeftButton)
            return false;
        if (const std::optional<QString> tick = ToggledTick(record->cash, Document().Content(record->id)))
            EnterValue(Document(), record->id, *tick, EntryRoute::Typed, controller_.Aids());
        return false;
    }

    bool DoubleClicked(QObject* watched) {
        TextInputBox* box = TextBoxOf(watched);
        if (!box || watched != box->Editor()->viewport()) return false;
        ShowHistoryList(box);
        return true;
    }

    void Complete() {
        if (!typing_ || !typing_->Editor()->hasFocus()) return;
        QPlainTextEdit* editor = typing_->Editor();
        const QString typed = editor->toPlainText();
        QTextCursor cursor = editor->textCursor();
        if (cursor.hasSelection() || cursor.position() != typed.size()) return;
        const std::optional<Completion> completion =
            CompleteFromHistory(session_.Db(), session_.CurrentFormat().name, typing_->Id(), typed);
        if (!completion) return;
        editor->setPlainText(completion->text);
        cursor = editor->textCursor();
        cursor.setPosition(int(completion->text.size()));
        cursor.setPosition(completion->selectionStart, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }

    void ShowHistoryList(TextInputBox* box) {
        const BoxRecord* record = RecordOf(box);
        if (!record) return;
        if (!list_) {
            list_ = new QListWidget(designer_.Canvas());
            list_->setObjectName(QStringLiteral("HistoryList"));
            connect(list_, &QListWidget::itemClicked, this, &AidsInput::Choose);
            connect(list_, &QListWidget::itemActivated, this, &AidsInput::Choose);
        }
        list_->clear();
        list_->addItems(FillHistoryList(session_.Db(), session_.CurrentFormat().name, *record));
        const QList<QListWidgetItem*> current =
            list_->findItems(Document().Content(record->id), Qt::MatchExactly);
        if (!current.isEmpty()) list_->setCurrentItem(current.first());
        listBox_ = record->id;
        const int extra = int(kListExtraTwips / designer_.Canvas()->TwipsPerPixel());
        const int rows = std::clamp(list_->count(), 1, kListRows);
        list_->setGeometry(box->x(), box->y(), box->width() + extra,
                           rows * list_->fontMetrics().height() + 8);
        list_->show();
        list_->raise();
        list_->setFocus();
    }

    void Choose(QListWidgetItem* item) {
        list_->hide();
        if (!item || !Document().Record(listBox_)) return;
        EnterValue(Document(), listBox_, item->text(), EntryRoute::Typed, controller_.Aids());
    }

    Session& session_;
    const FormatController& controller_;
    DesignerView& designer_;
    QTimer autoFind_;
    QPointer<TextInputBox> typing_;
    qint64 focusedId_ = 0;
    QSet<qint64> tinted_;
    QListWidget* list_ = nullptr;
    qint64 listBox_ = 0;
};

} // namespace

void MainWindow::ConnectAids() {
    designer_->SetEntryContext([this] { return controller_->Aids(); });
    auto* input = new AidsInput(session_, *controller_, *designer_, this);
    input->setObjectName(QStringLiteral("EntryAids"));
    const auto on = [this](QMenu* menu, const char* name, auto handler) {
        QAction* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    for (const bool related : {false, true})
        on(designer_->BoxMenu(), related ? "mReCtlList" : "mRtlCtl", [this, related] {
            if (!designer_->IsLocked()) BuildRingForCurrent(session_.Document(), related);
        });
    on(designer_->CanvasMenu(), "mAutoGetDate", [this] {
        if (session_.HasFormat()) FillDates(session_.Document(), controller_->Aids());
    });
    on(designer_->CanvasMenu(), "mAutoCreatePSD", [this] {
        if (session_.HasFormat()) FillPasswordAreas(session_.Document());
    });
    connect(findChild<QAction*>(QStringLiteral("mInvoicePSDSet")), &QAction::triggered, this, [this] {
        PageOptions options = session_.CurrentFormat().page.options;
        PasswordAreaDialog dialog(DecodePasswordParams(options.passwordArea), this);
        if (dialog.exec() != QDialog::Accepted) return;
        options.passwordArea = EncodePasswordParams(dialog.Params());
        controller_->KeepOptions(options);
    });
}
