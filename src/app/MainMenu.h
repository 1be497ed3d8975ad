#pragma once
// The main window's menu bar, built from one table in menu order. Every action
// carries its object name (mNewFmt, ...) and starts disabled; the window enables
// the ones whose features are present.
#include <QString>

class QAction;
class QMenuBar;
class QWidget;
struct PageOptions;

void BuildMainMenu(QMenuBar* bar);

// The per-format toggles of the settings menu, in page-option terms.
enum class MenuToggle { SetPaper, PrintBackground, PrintRulers, MonthZero, AutoFontSize,
                        AutoJump, ClearAfterPrint, KeepPictures };
struct ToggleAction {
    const char* objectName;
    MenuToggle toggle;
};
inline constexpr ToggleAction kToggleActions[] = {
    {"mSetPaper", MenuToggle::SetPaper},          {"mDiTuPrint", MenuToggle::PrintBackground},
    {"mPrintRulers", MenuToggle::PrintRulers},    {"mMonthZero", MenuToggle::MonthZero},
    {"mAutoFontsize", MenuToggle::AutoFontSize},  {"mPagesAutoJump", MenuToggle::AutoJump},
    {"mClearAfterPrint", MenuToggle::ClearAfterPrint}, {"mNoPicClear", MenuToggle::KeepPictures},
};

// The option a toggle stands for.
bool& OptionOf(PageOptions& options, MenuToggle toggle);

// Enables the commands that need an open format (`open`) or one that may be edited
// (`editable`: open and not locked) or a seat that may add and save formats
// (`mayChangeFormats`), and ticks the toggles as `options` hold them.
void ShowMenuState(const QWidget& window, const PageOptions& options, bool open, bool editable,
                   bool mayChangeFormats);
