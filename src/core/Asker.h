#pragma once
// The one way the program asks the user something. The window shows real dialogs;
// tests and the command line answer from a script, so every flow runs headless.
#include <QString>
#include <QStringList>
#include <optional>

class Asker {
public:
    virtual ~Asker() = default;
    // A message box with an OK button.
    virtual void Message(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& question) = 0;
    // A Yes/No/Cancel question; true for Yes, false for No, nullopt for Cancel. Where
    // no one can cancel (scripts), it is the Yes/No question.
    virtual std::optional<bool> AskYesNoCancel(const QString& question) {
        return AskYesNo(question);
    }
    // A one-line text prompt under an optional title; nullopt when the user cancels.
    virtual std::optional<QString> AskText(const QString& prompt, const QString& preset = {},
                                           const QString& title = {}) = 0;
    // File choosers; empty when cancelled. `filter` uses Qt's "描述(*.jpg);;..." form.
    virtual QString ChooseOpenFile(const QString& caption, const QString& filter) = 0;
    virtual QString ChooseSaveFile(const QString& caption, const QString& filter,
                                   const QString& suggestedName = {}) = 0;
    // Pick one entry of a list; nullopt when cancelled.
    virtual std::optional<int> ChooseItem(const QString& caption, const QStringList& items,
                                          int preselected = 0) = 0;
    // A name typed or picked from a drop-down of `names`; nullopt when cancelled.
    // Without a drop-down it is a text prompt.
    virtual std::optional<QString> AskName(const QString& caption, const QStringList& names,
                                           const QString& preset = {}) {
        Q_UNUSED(names);
        return AskText(caption, preset);
    }
};
