#include "content/layout/DrawnGlyphs.h"

#include <QRawFont>

namespace {

struct FaceLog {
    QHash<quint32, int> seen;
    QList<char32_t> characters;
};

using DeviceLog = QHash<QString, FaceLog>;

QHash<const QPaintDevice*, DeviceLog>& Logs() {
    static QHash<const QPaintDevice*, DeviceLog> logs;
    return logs;
}

// The face a PDF font is made for; the last one asked is kept, as a line of text
// draws glyph after glyph of one font.
const QString& FaceKey(const QRawFont& font) {
    static QRawFont last;
    static QString key;
    if (!(font == last)) {
        last = font;
        key = font.familyName() + QLatin1Char('\n') + font.styleName() + QLatin1Char('\n')
              + QString::number(font.weight()) + QLatin1Char('\n') + QString::number(int(font.style()));
    }
    return key;
}

} // namespace

void BeginDrawnGlyphs(const QPaintDevice* device) { Logs().insert(device, {}); }

void NoteDrawnGlyph(const QPaintDevice* device, const QRawFont& font, quint32 glyph,
                    char32_t character) {
    const auto log = Logs().find(device);
    if (log == Logs().end()) return;
    FaceLog& face = (*log)[FaceKey(font)];
    if (face.seen.contains(glyph)) return;
    face.seen.insert(glyph, int(face.characters.size()));
    face.characters.append(character);
}

DrawnFaces TakeDrawnGlyphs(const QPaintDevice* device) {
    DrawnFaces faces;
    for (auto [key, face] : Logs().take(device).asKeyValueRange()) faces.insert(key, face.characters);
    return faces;
}
