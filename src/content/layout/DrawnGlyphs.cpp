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

// The face logs of one device by font, so a glyph finds its log without building the
// face's name: a line often switches between two fonts (digits and ideographs), glyph
// run by glyph run. Forgotten whenever a log is added or taken, as logs may then move.
struct KnownFaces {
    const QPaintDevice* device = nullptr;
    QHash<QRawFont, FaceLog*> faces;
};

KnownFaces& Known() {
    static KnownFaces known;
    return known;
}

FaceLog* FaceLogFor(const QPaintDevice* device, const QRawFont& font) {
    KnownFaces& known = Known();
    if (known.device != device) known = {device, {}};
    if (FaceLog* face = known.faces.value(font)) return face;
    const auto log = Logs().find(device);
    if (log == Logs().end()) return nullptr;
    const qsizetype before = log->size();
    FaceLog* face = &(*log)[FaceKey(font)];
    if (log->size() != before) known.faces.clear();
    known.faces.insert(font, face);
    return face;
}

} // namespace

void BeginDrawnGlyphs(const QPaintDevice* device) {
    Known() = {};
    Logs().insert(device, {});
}

void NoteDrawnGlyph(const QPaintDevice* device, const QRawFont& font, quint32 glyph,
                    char32_t character) {
    FaceLog* log = FaceLogFor(device, font);
    if (!log) return;
    FaceLog& face = *log;
    if (face.seen.contains(glyph)) return;
    face.seen.insert(glyph, int(face.characters.size()));
    face.characters.append(character);
}

DrawnFaces TakeDrawnGlyphs(const QPaintDevice* device) {
    Known() = {};
    DrawnFaces faces;
    for (auto [key, face] : Logs().take(device).asKeyValueRange()) faces.insert(key, face.characters);
    return faces;
}
