#pragma once
// A fresh data folder with its database, a folder for format files, and a sample
// format that uses every column: line breaks, links (one negative), custom types.
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "store/Database.h"
#include "store/Format.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class FormatFileFixture : public ::testing::Test {
protected:
    FormatFileFixture();
    ~FormatFileFixture() override;

    // The sample as stored under `name`, with the IDs the database gave it.
    Format StoreSample(const QString& name);
    // A file in the files folder.
    QString FilePath(const QString& fileName) const { return files_.filePath(fileName); }
    void WriteBytes(const QString& path, const QByteArray& bytes) const;
    QByteArray ReadBytes(const QString& path) const;
    // Every row of Fmt and 参数, to see that nothing changed.
    QStringList Snapshot();

    std::unique_ptr<TempDataFolder> folder_ = std::make_unique<TempDataFolder>();
    std::unique_ptr<Database> db_;
    QTemporaryDir files_;
    ScriptedAsker asker_;
};

Format SampleFormat();
// Readable failure output.
inline void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }
// GBK bytes by glibc's own converter, independent of the program's encoder.
QByteArray GbkBytes(const QString& text);
