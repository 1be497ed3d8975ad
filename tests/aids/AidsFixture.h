#pragma once
// A document of boxes built from short specs (IDs 1, 2, … in order), typing into it
// as the window does, and a real data folder with a database for the aids that read
// history.
#include "aids/AidContext.h"
#include "common/TempDataFolder.h"
#include "document/FormatDocument.h"
#include "store/Database.h"

#include <gtest/gtest.h>
#include <memory>

struct Box {
    QString label;
    double cash = 0;
    double rctl = 0;
    qint64 rctl1 = 0;
    double sumId = 0;
    double sumId1 = 0;
    BoxKind kind = BoxKind::Text;
};

Format MakeAidsFormat(const QString& name, const QList<Box>& boxes, qint64 firstId = 1);

class AidsTest : public ::testing::Test {
protected:
    void Open(const QList<Box>& boxes);
    // Types the text into the box and leaves it.
    void Type(qint64 id, const QString& text);
    QString At(qint64 id) const { return document.Content(id); }

    FormatDocument document;
    AidContext context;
};

// With a data folder and its database; formats are stored so their boxes have real IDs.
class AidsDbTest : public AidsTest {
protected:
    AidsDbTest();
    // Stores the format and opens it with the relations of `boxes` pointing at the
    // stored IDs: a link value n (1-based) names the n-th box.
    Format StoreAndOpen(const QString& name, const QList<Box>& boxes);
    qint64 IdOf(const QString& label) const;
    void SaveBill(const QList<QPair<QString, QString>>& values);

    TempDataFolder folder;
    std::unique_ptr<Database> db;
};
