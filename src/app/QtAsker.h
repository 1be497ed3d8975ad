#pragma once
// Asks the user with real Qt dialogs, parented to a window so they stay on top of it.
#include "core/Asker.h"

#include <QPointer>

class QWidget;

class QtAsker final : public Asker {
public:
    explicit QtAsker(QWidget* parent = nullptr);
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Message(const QString& text) override;
    bool AskYesNo(const QString& question) override;
    std::optional<bool> AskYesNoCancel(const QString& question) override;
    std::optional<QString> AskText(const QString& prompt, const QString& preset,
                                   const QString& title) override;
    QString ChooseOpenFile(const QString& caption, const QString& filter) override;
    QString ChooseSaveFile(const QString& caption, const QString& filter,
                           const QString& suggestedName) override;
    std::optional<int> ChooseItem(const QString& caption, const QStringList& items,
                                  int preselected) override;
    std::optional<QString> AskName(const QString& caption, const QStringList& names,
                                   const QString& preset) override;

private:
    QPointer<QWidget> parent_;
};
