#include "content/layout/BoxFont.h"

#include "store/Format.h"

namespace {
constexpr double kDefaultSize = 9; // the check box template's size
// A box without a font name is shown and printed in the program's default box font;
// a font with no family at all would be left to each device's own choice.
const QString kDefaultFamily = QStringLiteral("宋体");
} // namespace

QColor RecordColor(qint64 color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

BoxFont BoxFontOf(const BoxRecord& record) {
    BoxFont font;
    font.name = record.fontName.isEmpty() ? kDefaultFamily : record.fontName;
    font.designSize = record.fontSize > 0 ? record.fontSize : kDefaultSize;
    font.bold = record.bold;
    font.italic = record.italic;
    font.underline = record.underline;
    font.strikeout = record.strikeout;
    font.color = RecordColor(record.color);
    return font;
}
