// The window's own texts: Chinese characters in a sans CJK face, whichever other CJK
// faces (a thin Ming face, say) fontconfig would pick first.
#include "content/layout/InterfaceFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

const QString kNotoSans = QStringLiteral("Noto Sans CJK SC");

// The families that draw `text` in `font`, in order.
QStringList DrawingFamilies(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
    return families;
}

bool NotoSansInstalled() { return QFontDatabase::families().contains(kNotoSans); }

} // namespace

TEST(InterfaceFont, WithoutADesktopFontChineseIsDrawnInTheCjkSansFace) {
    if (!NotoSansInstalled()) GTEST_SKIP() << "fonts-noto-cjk not installed";
    const QFont font = InterfaceFont(QFont(QStringLiteral("Sans Serif"), 9), QFontDatabase::families());
    EXPECT_EQ(QFontInfo(font).family(), kNotoSans);
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_EQ(DrawingFamilies(font, QStringLiteral("格式打印")), QStringList{kNotoSans});
}

TEST(InterfaceFont, KeepsTheDesktopsFamilyAndPutsTheCjkSansFaceBehindIt) {
    if (!NotoSansInstalled()) GTEST_SKIP() << "fonts-noto-cjk not installed";
    const QStringList installed = QFontDatabase::families();
    const QString latin = QStringLiteral("DejaVu Sans");
    if (!installed.contains(latin)) GTEST_SKIP() << "fonts-dejavu not installed";
    const QFont font = InterfaceFont(QFont(latin, 11), installed);
    EXPECT_EQ(font.families(), QStringList({latin, kNotoSans}));
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_EQ(DrawingFamilies(font, QStringLiteral("格式")), QStringList{kNotoSans});
    EXPECT_EQ(DrawingFamilies(font, QStringLiteral("Ab")), QStringList{latin});
}

TEST(InterfaceFont, WithoutACjkSansFaceTheDesktopsFontStays) {
    const QFont desktop(QStringLiteral("AR PL UMing CN"), 10);
    EXPECT_EQ(InterfaceFont(desktop, {QStringLiteral("AR PL UMing CN"), QStringLiteral("DejaVu Sans")}), desktop);
    // The first installed of the sans faces is taken.
    EXPECT_EQ(InterfaceFont(QFont(QStringLiteral("Sans Serif")), {QStringLiteral("WenQuanYi Zen Hei")}).families(),
              QStringList{QStringLiteral("WenQuanYi Zen Hei")});
}

TEST(InterfaceFont, BecomesTheApplicationsFont) {
    if (!NotoSansInstalled()) GTEST_SKIP() << "fonts-noto-cjk not installed";
    const QFont before = QGuiApplication::font();
    QGuiApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9)); // as with no desktop theme
    UseInterfaceFont();
    EXPECT_EQ(QFontInfo(QGuiApplication::font()).family(), kNotoSans);
    QGuiApplication::setFont(before);
}
