#pragma once
// What the window benchmarks share: an Asker that answers nothing, and a main that runs
// them offscreen on a fresh data folder and settings file, prepared once.
#include "core/Asker.h"
#include "store/DataFolder.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

// A benchmark answers no questions: a message means the measured flow went wrong.
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

// `finish` runs before the data folder and the application object go.
inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                               const std::function<void()>& finish = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir data, settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    DataFolder::SetOverride(data.path());
    prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finish) finish();
    return 0;
}
