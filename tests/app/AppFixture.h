#pragma once
// A fresh data folder and settings file per test, and a real database opened the
// way the program opens it.
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "store/Format.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindow;
class Session;

// Answers the printer chooser once it shows: the PDF file choice and `copies`.
void ChoosePdfWhenAsked(int copies);
// The same with the installed printer `printer`.
void ChoosePrinterWhenAsked(const QString& printer, int copies);

class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // The program's start-up connection on the temporary data folder.
    std::unique_ptr<Session> OpenSession();
    // Stores a format with one unlabelled text box ("固定文字"), one labelled text box
    // and a check box; the page options carry `optionBoxes`.
    static void StoreSampleFormat(Session& session, const QString& name,
                                  std::array<int, 5> optionBoxes = {1, 0, 1, 0, 1});
    // The main window started and shown on the sample format "支票", as the program
    // starts on its last format; the format is stored first unless it already is.
    std::unique_ptr<MainWindow> StartWindowOnSample(Session& session);
    // A value entered into the window's bill as a data row's value enters it
    // (converted once, the entry aids after it).
    static void EnterValue(MainWindow& window, qint64 id, const QString& text);

    TempDataFolder folder_;
    QTemporaryDir settingsDir_;
    ScriptedAsker asker_;
};
