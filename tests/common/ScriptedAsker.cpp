#include "common/ScriptedAsker.h"

#include <gtest/gtest.h>

void ScriptedAsker::Message(const QString& text) {
    shown << text;
    messages << text;
}

bool ScriptedAsker::AskYesNo(const QString& question) {
    shown << question;
    questions << question;
    if (yesNo_.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return false;
    }
    return yesNo_.dequeue();
}

std::optional<bool> ScriptedAsker::AskYesNoCancel(const QString& question) {
    shown << question;
    questions << question;
    if (yesNoCancel_.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return std::nullopt;
    }
    return yesNoCancel_.dequeue();
}

std::optional<QString> ScriptedAsker::AskText(const QString& prompt, const QString& preset,
                                             const QString& title) {
    shown << prompt;
    titles << title;
    presets << preset;
    questions << prompt;
    if (texts_.isEmpty()) {
        ADD_FAILURE() << "unexpected prompt: " << prompt.toStdString();
        return std::nullopt;
    }
    return texts_.dequeue();
}

QString ScriptedAsker::ChooseOpenFile(const QString& caption, const QString&) {
    shown << caption;
    if (files_.isEmpty()) {
        ADD_FAILURE() << "unexpected file chooser: " << caption.toStdString();
        return {};
    }
    return files_.dequeue();
}

QString ScriptedAsker::ChooseSaveFile(const QString& caption, const QString& filter,
                                      const QString& suggestedName) {
    suggestedNames << suggestedName;
    return ChooseOpenFile(caption, filter);
}

std::optional<int> ScriptedAsker::ChooseItem(const QString& caption, const QStringList& items,
                                             int preselected) {
    shown << caption;
    lastItems = items;
    if (items_.isEmpty()) {
        ADD_FAILURE() << "unexpected choice: " << caption.toStdString();
        return std::nullopt;
    }
    const std::optional<int> answer = items_.dequeue();
    return answer == kPreselected ? std::optional<int>(preselected) : answer;
}

bool ScriptedAsker::AllAnswered() const {
    return yesNo_.isEmpty() && yesNoCancel_.isEmpty() && texts_.isEmpty() && files_.isEmpty() && items_.isEmpty();
}
