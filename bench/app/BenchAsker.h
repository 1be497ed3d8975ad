#pragma once
// A benchmark answers no questions: a message means the measured flow went wrong.
#include "core/Asker.h"

#include <QtGlobal>

class BenchAsker final : public Asker {
public:
    void Message(const QString& text) override { qFatal("unexpected: %s", qPrintable(text)); }
    bool AskYesNo(const QString&) override { return false; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
        return {};
    }
    QString ChooseOpenFile(const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<int> ChooseItem(const QString&, const QStringList&, int) override { return {}; }
};
