#include "app/MainMenu.h"

#include "store/Format.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// One row per menu entry. A row with `submenu` set opens a nested menu that holds
// the following rows up to the next row with `endSubmenu`.
struct Entry {
    const char* objectName;
    const char16_t* text;
    bool checkable = false;
    bool submenu = false;
    bool endSubmenu = false;
};

struct TopMenu {
    const char* objectName;
    const char16_t* title;
    std::initializer_list<Entry> entries;
};

const TopMenu kMenus[] = {
    {"mPrintMenu", u"打印(&P)",
     {{"mPrint", u"打印当前单据"}, {"mPrintAll", u"打印所有单据"},
      {"mPrintLabels", u"打印标签"},
      {"mPrintPreview", u"打印预览"}}},
    {"mFmtMenu", u"格式(&F)",
     {{"mNewFmt", u"新建格式"}, {"mSelFmt", u"选择格式"}, {"mSaveFmt", u"保存格式"},
      {"mSaveAsFmt", u"另存格式"}, {"mManageFmt", u"管理格式"}, {"mExportFmt", u"导出格式"},
      {"mImportFmt", u"导入格式"}, {"mDownFmt", u"下载格式"}}},
    // Undo and redo lead this menu; the window puts the document's steps there.
    {"mEditMenu", u"编辑(&E)",
     {{"mEditCut", u"剪切"}, {"mEditCopy", u"复制"}, {"mEditPaste", u"粘贴"}, {"mEditSelectAll", u"全选"},
      {"mEditCopyCtl", u"复制内容框"}, {"mEditDeleteCtl", u"删除内容框"}}},
    {"mCtlMenu", u"内容框设置(&C)",
     {{"mAlignMenu", u"内容框对齐", false, true}, {"mAlignLeft", u"左对齐"},
      {"mAlignRight", u"右对齐"}, {"mAlignTop", u"顶端对齐"},
      {"mAlighBottom", u"底部对齐"}, {"mDistributeH", u"水平等距分布"},
      {"mDistributeV", u"垂直等距分布", false, false, true},
      {"mSizeMenu", u"内容框尺寸", false, true}, {"mAlighWidth", u"统一宽度"},
      {"mAlighHight", u"统一高度"}, {"mAlignSize", u"统一尺寸", false, false, true}}},
    {"mSetMenu", u"设置(&S)",
     {{"mSetPaper", u"自动设置纸张", true}, {"mDiTuPrint", u"连同底图打印", true},
      {"mPrintRulers", u"打印标尺坐标", true}, {"mMonthZero", u"中文月加“零”", true},
      {"mSetCashChr", u"设置货币符号"}, {"mNumCut", u"设置小数进位"},
      {"mSetCrlfChr", u"设置换行特殊符"}, {"mAutoFontsize", u"自动缩小字体", true},
      {"mBarCodeSet", u"设置条码标准"}, {"mInvoicePSDSet", u"设置票据密码"},
      {"mPagesAutoJump", u"多页自动跳转", true}, {"mClearAfterPrint", u"打印后自动清空", true},
      {"mNoPicClear", u"禁止图片清空", true}, {"mLoginPSD", u"登录密码设置"},
      {"mDbConnection", u"数据库连接…"}}},
    {"mToolMenu", u"工具(&T)",
     {{"mCheckCtl", u"检查凭据外内容框"}, {"mCompactDB", u"压缩整理数据库"},
      {"mAddTable", u"添加表格"}, {"mStatistics", u"数据统计分析"}}},
    {"mHelpMenu", u"帮助(&H)", {{"mHelp", u"使用说明"}, {"mSamples", u"创建示例格式"}, {"mAbout", u"关于"}}},
};

// The keys of the commands used many times a day.
struct Shortcut {
    const char* objectName;
    QKeyCombination keys;
};
const Shortcut kShortcuts[] = {
    {"mPrint", Qt::CTRL | Qt::Key_P}, {"mSaveFmt", Qt::CTRL | Qt::Key_S},
    {"mNewFmt", Qt::CTRL | Qt::Key_N}, {"mHelp", QKeyCombination(Qt::Key_F1)},
};

} // namespace

void BuildMainMenu(QMenuBar* bar) {
    for (const TopMenu& top : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf16(top.title));
        menu->setObjectName(QString::fromLatin1(top.objectName));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.objectName));
        QMenu* target = menu;
        for (const Entry& entry : top.entries) {
            const QString name = QString::fromLatin1(entry.objectName);
            const QString text = QString::fromUtf16(entry.text);
            if (entry.submenu) {
                target = menu->addMenu(text);
                target->setObjectName(name);
                continue;
            }
            QAction* action = target->addAction(text);
            action->setObjectName(name);
            action->setCheckable(entry.checkable);
            action->setEnabled(false);
            if (entry.endSubmenu) target = menu;
        }
    }
    for (const Shortcut& shortcut : kShortcuts)
        bar->findChild<QAction*>(QString::fromLatin1(shortcut.objectName))->setShortcut(QKeySequence(shortcut.keys));
}

bool& OptionOf(PageOptions& options, MenuToggle toggle) {
    switch (toggle) {
    case MenuToggle::SetPaper: return options.setPaper;
    case MenuToggle::PrintBackground: return options.printBackground;
    case MenuToggle::PrintRulers: return options.printRulers;
    case MenuToggle::MonthZero: return options.monthZero;
    case MenuToggle::AutoFontSize: return options.autoFontSize;
    case MenuToggle::AutoJump: return options.autoJump;
    case MenuToggle::ClearAfterPrint: return options.clearAfterPrint;
    case MenuToggle::KeepPictures: return options.keepPictures;
    }
    return options.setPaper;
}

void ShowMenuState(const QWidget& window, const PageOptions& options, bool open, bool editable,
                   bool mayChangeFormats) {
    const auto enable = [&window](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) window.findChild<QAction*>(QString::fromLatin1(name))->setEnabled(on);
    };
    enable({"mSetCrlfChr", "mNumCut", "mLoginPSD", "mCompactDB", "mSelFmt", "mDbConnection"}, true);
    // On a server store only designers add and save formats; the server refuses the rest.
    enable({"mNewFmt", "mImportFmt"}, mayChangeFormats);
    enable({"mSaveFmt", "mSaveAsFmt"}, open && mayChangeFormats);
    enable({"mSetCashChr", "mExportFmt", "mBarCodeSet", "mStatistics",
            "mInvoicePSDSet", "mPrint", "mPrintPreview", "mPrintAll", "mPrintLabels", "mEditCut", "mEditCopy",
            "mEditPaste", "mEditSelectAll"},
           open);
    // A locked format keeps its boxes and page as they are.
    enable({"mAddTable", "mCheckCtl", "mAlignLeft", "mAlignRight", "mAlignTop", "mAlighBottom", "mDistributeH",
            "mDistributeV",
            "mAlighWidth", "mAlighHight", "mAlignSize", "mEditCopyCtl", "mEditDeleteCtl"},
           editable);
    window.findChild<QMenu*>(QStringLiteral("mCtlMenu"))->menuAction()->setEnabled(editable);
    for (const ToggleAction& entry : kToggleActions) {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(entry.objectName));
        action->setEnabled(open);
        PageOptions shown = options;
        action->setChecked(open && OptionOf(shown, entry.toggle));
    }
}
