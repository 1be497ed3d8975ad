#include "app/QtAsker.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// The program's name in dialog titles.
QString Title() { return QApplication::applicationDisplayName(); }
} // namespace

QtAsker::QtAsker(QWidget* parent) : parent_(parent) {}

void QtAsker::Message(const QString& text) {
    QMessageBox::information(parent_, Title(), text);
}

bool QtAsker::AskYesNo(const QString& question) {
    return QMessageBox::question(parent_, Title(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtAsker::AskText(const QString& prompt, const QString& preset,
                                        const QString& title) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title.isEmpty() ? Title() : title, prompt,
                                               QLineEdit::Normal, preset, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString QtAsker::ChooseOpenFile(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, QString(), filter);
}

QString QtAsker::ChooseSaveFile(const QString& caption, const QString& filter,
                                const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent_, caption, suggestedName, filter);
}

std::optional<int> QtAsker::ChooseItem(const QString& caption, const QStringList& items,
                                       int preselected) {
    if (items.isEmpty()) return std::nullopt;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent_, Title(), caption, items,
                                                 qBound(0, preselected, int(items.size()) - 1),
                                                 false, &ok);
    if (!ok) return std::nullopt;
    return int(items.indexOf(chosen));
}
