// The property dialogs: every field written to its column with the stored encodings,
// read back the same way, and OK through the box menu rebuilding the box.
#include "DesignerFixture.h"

#include "common/TempDataFolder.h"
#include "designer/BoxPropertyDialog.h"
#include "designer/CanvasScale.h"
#include "designer/TextInputBox.h"
#include "store/Database.h"
#include "store/ParamStore.h"
#include "store/Schema.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {
BoxRecord Record(qint64 id, int kind, const QString& label) { return MakeRecord(id, kind, label, 10, 20, 30, 6); }

template <typename T>
T* Field(QWidget* dialog, const char* name) {
    T* field = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

QRadioButton* Option(QWidget* dialog, const QString& text, int nth = 0) {
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
        if (button->text() == text && nth-- == 0) return button;
    ADD_FAILURE() << text.toStdString();
    return nullptr;
}

void SelectCode(QWidget* dialog, int code) {
    auto* list = Field<QComboBox>(dialog, "Cash");
    list->setCurrentIndex(list->findText(QStringLiteral("%1｜").arg(code, 3, 10, QChar(u'0')), Qt::MatchStartsWith));
}

// Types into a field and leaves it.
void Type(QWidget* dialog, const char* name, const QString& text) {
    auto* field = Field<QLineEdit>(dialog, name);
    field->setText(text);
    Q_EMIT field->editingFinished();
}

// OK on a dialog over the rows; the row it ends on.
BoxRecord Accept(BoxPropertyDialog& dialog) {
    dialog.accept();
    const QList<BoxRecord> changed = dialog.ChangedRecords();
    return changed.isEmpty() ? BoxRecord() : changed.first();
}
} // namespace

class PropertyDialogs : public ::testing::Test {
protected:
    QList<BoxRecord> rows{Record(5, 0, "金额"), Record(7, 0, "合计"), Record(9, 1, "选"),
                          Record(11, 3, ""), Record(12, 4, "标题")};
    ScriptedAsker asker;
    PropertyContext context{&asker, nullptr, QStringLiteral("测试格式")};

    // The dialog opened again on the rows with `stored` in place of row `row`.
    std::unique_ptr<BoxPropertyDialog> Reopen(int row, const BoxRecord& stored) {
        QList<BoxRecord> reloaded = rows;
        reloaded[row] = stored;
        return std::make_unique<BoxPropertyDialog>(reloaded, row, context);
    }
};

TEST_F(PropertyDialogs, DataTypeCountsAreStoredInTheCodeAndReadBack) {
    const struct {
        int code;
        QString count;
        double stored;
        const char* caption;
    } cases[] = {
        {11, "12", 12, "小写金额格数："}, {211, "8", 208, "数字格数："}, {311, "8", 308, "小写金额格数："},
        {114, "10", 114.1, "大写金额位数："}, {121, "3", 121.03, "大写金额位数："}, {104, "", 104, "数据类型代码："},
    };
    for (const auto& c : cases) {
        BoxPropertyDialog dialog(rows, 0, context);
        SelectCode(&dialog, c.code);
        auto* count = Field<QLineEdit>(&dialog, "CashCount");
        EXPECT_EQ(count->isEnabled(), !c.count.isEmpty());
        if (!c.count.isEmpty()) count->setText(c.count);
        else EXPECT_EQ(count->text(), QString::number(c.code));
        const BoxRecord stored = Accept(dialog);
        EXPECT_DOUBLE_EQ(stored.cash, c.stored) << c.code;

        const auto again = Reopen(0, stored);
        EXPECT_TRUE(Field<QComboBox>(again.get(), "Cash")->currentText().startsWith(
            QStringLiteral("%1｜").arg(c.code, 3, 10, QChar(u'0'))));
        EXPECT_EQ(Field<QLineEdit>(again.get(), "CashCount")->text(), c.count.isEmpty() ? QString::number(c.code) : c.count);
        bool captionShown = false;
        for (QLabel* label : again->findChildren<QLabel*>()) captionShown |= label->text() == c.caption;
        EXPECT_TRUE(captionShown) << c.caption;
        EXPECT_TRUE(again->ChangedRecords().isEmpty());
    }
}

TEST_F(PropertyDialogs, CellCountsOutOfRangeBecomeElevenOnLeavingTheField) {
    BoxPropertyDialog dialog(rows, 0, context);
    SelectCode(&dialog, 11);
    for (const char* typed : {"0", "150", "-3", "abc"}) {
        Type(&dialog, "CashCount", QString::fromLatin1(typed));
        EXPECT_EQ(Field<QLineEdit>(&dialog, "CashCount")->text(), "11") << typed;
    }
    Type(&dialog, "CashCount", QStringLiteral("99"));
    EXPECT_EQ(Field<QLineEdit>(&dialog, "CashCount")->text(), "99");
    // A value never left (OK straight away) is corrected as well.
    Field<QLineEdit>(&dialog, "CashCount")->setText(QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(Accept(dialog).cash, 11);
}

TEST_F(PropertyDialogs, AlignmentIsFoldedIntoTheLineSpacing) {
    const struct {
        const char* spacing;
        const char* alignment;
        double stored;
    } cases[] = {{"1.5", "居中", 2001.5}, {"-1.5", "居右", -1001.5}, {"0", "居右", 1000}, {"2", "居左", 2}};
    for (const auto& c : cases) {
        BoxPropertyDialog dialog(rows, 4, context); // a label
        Type(&dialog, "L", QString::fromLatin1(c.spacing));
        Option(&dialog, QString::fromUtf8(c.alignment))->setChecked(true);
        const BoxRecord stored = Accept(dialog);
        EXPECT_DOUBLE_EQ(stored.l, c.stored) << c.spacing;
        const auto again = Reopen(4, stored);
        EXPECT_EQ(Field<QLineEdit>(again.get(), "L")->text(), QString::fromLatin1(c.spacing));
        EXPECT_TRUE(Option(again.get(), QString::fromUtf8(c.alignment))->isChecked());
    }
}

TEST_F(PropertyDialogs, RelationsAndSumTargetsCarryTheirChoicesInSignAndFraction) {
    BoxPropertyDialog dialog(rows, 0, context);
    auto* relation = Field<QComboBox>(&dialog, "RCtl");
    // The other text boxes only, after the "none" entry.
    ASSERT_EQ(relation->count(), 2);
    EXPECT_EQ(relation->itemText(1), "000007｜合计");
    EXPECT_FALSE(Option(&dialog, "相同")->isEnabled());
    relation->setCurrentIndex(1);
    Option(&dialog, "相关")->setChecked(true);
    Field<QComboBox>(&dialog, "RCtl1")->setCurrentIndex(1);
    Field<QComboBox>(&dialog, "SumID")->setCurrentIndex(1);
    Option(&dialog, "累乘")->setChecked(true);
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text() == "取负") {
            box->setChecked(true);
            break;
        }
    const BoxRecord stored = Accept(dialog);
    EXPECT_DOUBLE_EQ(stored.rctl, -7);
    EXPECT_EQ(stored.rctl1, 7);
    EXPECT_DOUBLE_EQ(stored.sumId, -7.1);
    EXPECT_EQ(stored.sumId1, 0);

    // ID 5, multiply and negate stores -5.1, and loads back as those choices.
    QList<BoxRecord> reloaded = rows;
    reloaded[1].sumId = -5.1;
    reloaded[1].sumId1 = 5;
    reloaded[1].rctl = 99; // no such text box
    BoxPropertyDialog again(reloaded, 1, context);
    EXPECT_EQ(Field<QComboBox>(&again, "SumID")->currentText(), "000005｜金额");
    EXPECT_TRUE(Option(&again, "累乘", 0)->isChecked());
    EXPECT_TRUE(Option(&again, "累加", 1)->isChecked());
    EXPECT_EQ(Field<QComboBox>(&again, "RCtl")->currentIndex(), 0);
    const BoxRecord same = Accept(again);
    EXPECT_DOUBLE_EQ(same.sumId, -5.1);
    EXPECT_DOUBLE_EQ(same.sumId1, 5);
    EXPECT_EQ(same.rctl, 0); // a missing target is dropped
}

// A box added since the last save has only a temporary ID: the list shows its label,
// and choosing it stores that ID, which the save turns into the real one.
TEST_F(PropertyDialogs, UnsavedBoxesAreListedByTheirLabels) {
    QList<BoxRecord> unsaved = rows;
    unsaved[1].id = kFirstTemporaryId;
    unsaved[0].rctl = double(kFirstTemporaryId);
    BoxPropertyDialog dialog(unsaved, 0, context);
    auto* relation = Field<QComboBox>(&dialog, "RCtl");
    ASSERT_EQ(relation->count(), 2);
    EXPECT_EQ(relation->itemText(1), "合计");
    EXPECT_EQ(relation->currentIndex(), 1);
    Field<QComboBox>(&dialog, "SumID")->setCurrentIndex(1);
    const BoxRecord stored = Accept(dialog);
    EXPECT_EQ(stored.Relation().id, kFirstTemporaryId);
    EXPECT_EQ(stored.Sum().id, kFirstTemporaryId);
}

TEST_F(PropertyDialogs, ACheckBoxDialogHasNoSizeAndKeepsTheSize) {
    BoxPropertyDialog dialog(rows, 2, context);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("W"), nullptr);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("H"), nullptr);
    Type(&dialog, "X", QStringLiteral("12.5"));
    Type(&dialog, "Y", QStringLiteral("abc")); // not a number: 0
    Option(&dialog, "控件右边")->setChecked(true);
    const BoxRecord stored = Accept(dialog);
    EXPECT_DOUBLE_EQ(stored.x, 12.5);
    EXPECT_EQ(stored.y, 0);
    EXPECT_EQ(stored.dir, 2);
    EXPECT_EQ(stored.w, 30);
    EXPECT_EQ(stored.h, 6);
}

TEST_F(PropertyDialogs, TheLineDialogEditsEndPointsThicknessStyleAndColour) {
    BoxPropertyDialog dialog(rows, 3, context);
    Type(&dialog, "W", QStringLiteral("150"));
    Type(&dialog, "fSize", QStringLiteral("3"));
    auto* style = Field<QComboBox>(&dialog, "Cash");
    style->setCurrentIndex(style->findText("3 - 点画线"));
    // The colour picker is a real dialog: choose a colour in it and accept.
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->setProperty("currentColor", QColor(10, 20, 30));
        picker->accept();
    });
    Field<QPushButton>(&dialog, "Color")->click();
    const BoxRecord stored = Accept(dialog);
    EXPECT_EQ(stored.w, 150);
    EXPECT_EQ(stored.fontSize, 3);
    EXPECT_EQ(stored.cash, 3);
    EXPECT_EQ(stored.color, 10 + (20 << 8) + (30 << 16));
}

TEST_F(PropertyDialogs, FontNameComesFromTheInstalledFontsAndStylesAreFlags) {
    BoxPropertyDialog dialog(rows, 0, context);
    // OK on the font list as it opens keeps the box's font.
    asker.PreselectedItem();
    Field<QPushButton>(&dialog, "FontName")->click();
    EXPECT_EQ(Field<QLabel>(&dialog, "fName")->text(), rows[0].fontName);
    const QStringList families = asker.lastItems;
    ASSERT_FALSE(families.isEmpty());
    asker.Item(int(families.size() - 1));
    Field<QPushButton>(&dialog, "FontName")->click();
    Field<QCheckBox>(&dialog, "fBold")->setChecked(true);
    Field<QCheckBox>(&dialog, "fStrikethru")->setChecked(true);
    Type(&dialog, "fSize", QStringLiteral("12"));
    EXPECT_TRUE(Field<QLabel>(&dialog, "Sample")->font().bold());
    const BoxRecord stored = Accept(dialog);
    EXPECT_EQ(stored.fontName, families.last());
    EXPECT_TRUE(stored.bold && stored.strikeout && !stored.italic && !stored.underline);
    EXPECT_EQ(stored.fontSize, 12);
}

TEST_F(PropertyDialogs, TheRowStepperKeepsEditsOfEveryRowUntilOk) {
    BoxPropertyDialog dialog(rows, 0, context);
    auto* stepper = Field<QSpinBox>(&dialog, "CtlRow");
    EXPECT_EQ(stepper->value(), 1);
    Type(&dialog, "LBL", QStringLiteral("金额一"));
    stepper->stepBy(1);
    EXPECT_EQ(stepper->value(), 2);
    EXPECT_EQ(Field<QLineEdit>(&dialog, "LBL")->text(), "合计");
    Type(&dialog, "LBL", QStringLiteral("合计二"));
    stepper->stepBy(1); // row 3 is a check box: the text dialog stays on its kind
    EXPECT_EQ(stepper->value(), 2);
    stepper->stepBy(-1);
    EXPECT_EQ(Field<QLineEdit>(&dialog, "LBL")->text(), "金额一");
    dialog.accept();
    const QList<BoxRecord> changed = dialog.ChangedRecords();
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[0].label, "金额一");
    EXPECT_EQ(changed[1].label, "合计二");
}

TEST_F(PropertyDialogs, CustomTypesAreKeptPerFormatAndShownInTheList) {
    TempDataFolder folder;
    const auto db = OpenDataDatabase();
    ASSERT_TRUE(db);
    ParamStore params(*db);
    params.SetParam(QStringLiteral("测试格式=>自定义类型124"), QStringLiteral("甲;乙"));
    context.params = &params;
    BoxPropertyDialog dialog(rows, 0, context);
    auto* list = Field<QComboBox>(&dialog, "Cash");
    EXPECT_EQ(list->itemText(list->findText("124｜", Qt::MatchStartsWith)), "124｜自定义列表1：甲;乙");
    auto* custom = Field<QPushButton>(&dialog, "CustomType");
    SelectCode(&dialog, 0);
    EXPECT_FALSE(custom->isEnabled());
    SelectCode(&dialog, 119);
    ASSERT_TRUE(custom->isEnabled());
    asker.Text(QStringLiteral("")).Text(QStringLiteral("YYYY/MM/DD"));
    custom->click(); // an empty answer changes nothing
    EXPECT_EQ(params.GetParam(QStringLiteral("测试格式=>自定义类型119")), "");
    custom->click();
    EXPECT_EQ(params.GetParam(QStringLiteral("测试格式=>自定义类型119")), "YYYY/MM/DD");
    EXPECT_EQ(list->currentText(), "119｜自定义日期：YYYY/MM/DD");
    EXPECT_DOUBLE_EQ(Accept(dialog).cash, 119);
}

// Through the box menu: OK rebuilds the box and converts its text by the new type.
using PropertyDialogsInView = DesignerFixture;

TEST_F(PropertyDialogsInView, OkRebuildsTheBoxAndConvertsItsContent) {
    const qint64 id = AddRecord(0, "金额", 10, 10).id;
    document.SetContent(id, QStringLiteral("1234.5"));
    view.Rebuild();
    InputBox* box = view.BoxById(id);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<BoxPropertyDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        SelectCode(dialog, 104);
        Type(dialog, "W", QStringLiteral("45"));
        dialog->findChild<QPushButton*>("OK")->click();
    });
    ChooseBoxItem(box, "mCtlSet");
    EXPECT_EQ(format.FindBox(id)->cash, 104);
    EXPECT_EQ(format.FindBox(id)->w, 45);
    EXPECT_EQ(view.GetBoxContent(id), "￥1,234.50");
    EXPECT_NEAR(box->Twips().width(), 45 * view.Canvas()->Scale().K(), 0.5);

    // Cancel writes nothing.
    const BoxRecord before = *format.FindBox(id);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Type(dialog, "W", QStringLiteral("60"));
        dialog->findChild<QPushButton*>("Cancel")->click();
    });
    ChooseBoxItem(box, "mCtlSet");
    EXPECT_EQ(*format.FindBox(id), before);
    // The edit is one undo step.
    view.Undo();
    EXPECT_EQ(format.FindBox(id)->cash, 0);
}
