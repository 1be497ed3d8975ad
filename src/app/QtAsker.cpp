#include "app/QtAsker.h"

#include "app/FileDialogs.h"
#include "app/SelectNameDialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// The program's name in dialog titles.
QString Title() { return QApplication::applicationDisplayName(); }
// The window frame adds the program's name after a title; a title that leads with it
// ("Vellumark-新建格式模板") is shown without that lead, so the name appears once.
QString FramedTitle(const QString& title) {
    if (title.isEmpty()) return Title();
    const QString lead = Title() + QLatin1Char('-');
    return !Title().isEmpty() && title.startsWith(lead) ? title.mid(lead.size()) : title;
}
} // namespace

QtAsker::QtAsker(QWidget* parent) : parent_(parent) {}

void QtAsker::Message(const QString& text) {
    QMessageBox::information(parent_, Title(), text);
}

bool QtAsker::AskYesNo(const QString& question) {
    return QMessageBox::question(parent_, Title(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<bool> QtAsker::AskYesNoCancel(const QString& question) {
    const auto answer = QMessageBox::question(
        parent_, Title(), question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return std::nullopt;
    return answer == QMessageBox::Yes;
}

std::optional<QString> QtAsker::AskText(const QString& prompt, const QString& preset,
                                        const QString& title) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, FramedTitle(title), prompt,
                                               QLineEdit::Normal, preset, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString QtAsker::ChooseOpenFile(const QString& caption, const QString& filter) {
    return ChooseFileToOpen(parent_, caption, filter);
}

QString QtAsker::ChooseSaveFile(const QString& caption, const QString& filter,
                                const QString& suggestedName) {
    return ChooseFileToSave(parent_, caption, filter, suggestedName);
}

std::optional<int> QtAsker::ChooseItem(const QString& caption, const QStringList& items,
                                       int preselected) {
    if (items.isEmpty()) return std::nullopt;
    SelectNameDialog dialog(caption, items, false, parent_);
    dialog.Preselect(preselected);
    if (dialog.exec() != QDialog::Accepted || dialog.Index() < 0) return std::nullopt;
    return dialog.Index();
}

std::optional<QString> QtAsker::AskName(const QString& caption, const QStringList& names,
                                        const QString& preset) {
    SelectNameDialog dialog(caption, names, true, parent_);
    dialog.SetText(preset);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return SelectedName(dialog.Text());
}
