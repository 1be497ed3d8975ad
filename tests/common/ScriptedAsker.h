#pragma once
// The scripted answers to the program's questions, for tests. Every question and
// message is recorded; answers are taken from queues, and a question with no answer
// queued fails the test.
#include "core/Asker.h"

#include <QQueue>
#include <QStringList>

class ScriptedAsker final : public Asker {
public:
    // Queue answers in the order the flow will ask.
    ScriptedAsker& Yes() { return YesNo(true); }
    ScriptedAsker& No() { return YesNo(false); }
    ScriptedAsker& YesNo(bool answer) { yesNo_.enqueue(answer); return *this; }
    // For a Yes/No/Cancel question: nullopt cancels.
    ScriptedAsker& YesNoCancel(std::optional<bool> answer) { yesNoCancel_.enqueue(answer); return *this; }
    ScriptedAsker& Text(const std::optional<QString>& answer) { texts_.enqueue(answer); return *this; }
    ScriptedAsker& File(const QString& path) { files_.enqueue(path); return *this; }
    ScriptedAsker& Item(const std::optional<int>& index) { items_.enqueue(index); return *this; }
    // Answers a choice with whatever it preselected (the user just presses OK).
    ScriptedAsker& PreselectedItem() { return Item(kPreselected); }

    void Message(const QString& text) override;
    bool AskYesNo(const QString& question) override;
    std::optional<bool> AskYesNoCancel(const QString& question) override;
    std::optional<QString> AskText(const QString& prompt, const QString& preset,
                                   const QString& title) override;
    QStringList titles; // the titles of the text prompts, in order
    QStringList presets; // the answers the text prompts started from, in order
    QStringList lastItems; // the items of the last choice offered
    QStringList suggestedNames; // the names the save-file choosers suggested, in order
    QString ChooseOpenFile(const QString& caption, const QString& filter) override;
    QString ChooseSaveFile(const QString& caption, const QString& filter,
                           const QString& suggestedName) override;
    std::optional<int> ChooseItem(const QString& caption, const QStringList& items,
                                  int preselected) override;

    // Everything shown, in order: messages, questions, prompts and captions.
    QStringList shown;
    QStringList messages;
    QStringList questions;
    // True when every queued answer was used.
    bool AllAnswered() const;

private:
    static constexpr int kPreselected = -1000;
    QQueue<bool> yesNo_;
    QQueue<std::optional<bool>> yesNoCancel_;
    QQueue<std::optional<QString>> texts_;
    QQueue<QString> files_;
    QQueue<std::optional<int>> items_;
};
