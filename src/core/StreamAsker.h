#pragma once
// The answers of a command run without a window: messages go to a stream, every
// question is declined and every choice cancelled.
#include "core/Asker.h"

class QTextStream;

class StreamAsker final : public Asker {
public:
    explicit StreamAsker(QTextStream& messages) : messages_(messages) {}
    void Message(const QString& text) override;
    bool AskYesNo(const QString& question) override;
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString ChooseOpenFile(const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<int> ChooseItem(const QString&, const QStringList&, int) override {
        return std::nullopt;
    }

private:
    QTextStream& messages_;
};
