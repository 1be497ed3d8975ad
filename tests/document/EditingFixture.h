#pragma once
// A document over an A4 page with records added by hand, and the undo stack's steps
// as their names.
#include "document/BoxEditing.h"
#include "document/FormatDocument.h"

#include <QUndoStack>
#include <gtest/gtest.h>

class EditingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        document.Open({.name = QStringLiteral("测试格式"), .page = {.width = 210, .height = 297}});
    }

    // A record as the store would load it (not an edit), selected when asked.
    qint64 Add(BoxKind kind, double x, double y, double w = 20, double h = 6, bool selected = true) {
        Format format = document.GetFormat();
        BoxRecord record;
        record.id = ++lastId_;
        record.kind = kind;
        record.label = QStringLiteral("框%1").arg(record.id);
        record.x = x, record.y = y, record.w = w, record.h = h;
        record.fontName = QStringLiteral("宋体");
        record.fontSize = 9;
        format.boxes.append(record);
        const QSet<qint64> selection = document.Selection();
        document.Open(format);
        document.SetSelection(selection);
        if (selected) document.SetSelected(record.id, true);
        return record.id;
    }

    const BoxRecord& At(qint64 id) const { return *document.Record(id); }
    QStringList Steps() const {
        QStringList steps;
        for (int i = 0; i < document.UndoStack()->count(); ++i) steps.append(document.UndoStack()->text(i));
        return steps;
    }
    EditArea Page() const { return PageArea(document); }

    FormatDocument document;

private:
    qint64 lastId_ = 0;
};
