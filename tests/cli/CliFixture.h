#pragma once
// Commands run in-process through the program's own dispatcher, on a temporary data
// folder holding the three sample formats.
#include "common/TempDataFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

struct CommandOutcome {
    int code = -1;
    QString out, err;
};

class CliTest : public ::testing::Test {
protected:
    CliTest();
    // `vellumark ARGS...` without the program name.
    CommandOutcome Run(const QStringList& args);
    // The number of bills stored for a format.
    qint64 StoredBills(const QString& format);
    // A file in the data folder with this text (UTF-8).
    QString WriteFile(const QString& name, const QByteArray& text);

    TempDataFolder folder_;
};

inline const QString kSlip = QStringLiteral("示例-银行进账单");
inline const QString kWaybill = QStringLiteral("示例-快递运单");
inline const QString kLabel = QStringLiteral("示例-地址标签");
