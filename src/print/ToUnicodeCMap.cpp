#include "print/ToUnicodeCMap.h"

#include <QList>
#include <QByteArrayView>

namespace {

// A CMap section may hold at most this many entries.
constexpr int kEntriesPerSection = 100;

using Characters = QList<char32_t>;

// One source code with the characters it reads as.
struct CharMapping {
    QByteArray code; // hex digits, as written
    Characters characters;
};

// A run of consecutive codes: either one destination whose last UTF-16 unit counts
// up along the run, or one destination per code.
struct RangeMapping {
    QByteArray low, high;
    QList<Characters> destinations;
    bool counting = false;
};

struct Mappings {
    QList<CharMapping> chars;
    QList<RangeMapping> ranges;
};

// Hex string contents to UTF-16 units; nullopt unless they are whole units.
std::optional<QList<char16_t>> Utf16Units(const QByteArray& hex) {
    if (hex.size() % 4 != 0) return std::nullopt;
    const QByteArray bytes = QByteArray::fromHex(hex);
    QList<char16_t> units;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        units.append(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1])));
    return units;
}

Characters FromUtf16(const QList<char16_t>& units) {
    const QString text = QString::fromUtf16(units.constData(), units.size());
    Characters result;
    for (uint c : text.toUcs4()) result.append(char32_t(c));
    return result;
}

QByteArray ToUtf16Hex(const Characters& characters) {
    QByteArray bytes;
    for (char32_t c : characters) {
        const QString unit = QString::fromUcs4(&c, 1);
        for (QChar u : unit) bytes.append(char(u.unicode() >> 8)).append(char(u.unicode() & 0xFF));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

QByteArray CodeHex(quint32 code, qsizetype digits) {
    return '<' + QByteArray::number(code, 16).toUpper().rightJustified(digits, '0') + '>';
}

struct Token {
    QByteArray text; // a hex string's digits, or the word itself
    bool hex = false;
    bool Is(const char* word) const { return !hex && text == word; }
};

// PDF's white-space characters.
bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsDelimiter(char c) { return c == '<' || c == '>' || c == '[' || c == ']'; }

// Splits the mapping sections into hex strings (spaces inside dropped), brackets and
// words; anything else (a stray '>' or a '<' that opens no hex string) is passed over.
// Scanned by hand: a pattern would be compiled first in every process that prints.
QList<Token> Tokens(const QByteArray& text) {
    QList<Token> tokens;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const char c = text[i];
        if (IsSpace(c)) {
            ++i;
        } else if (c == '[' || c == ']') {
            tokens.append({QByteArray(1, c), false});
            ++i;
        } else if (c == '<') {
            QByteArray digits;
            qsizetype end = i + 1;
            while (end < size && (IsHexDigit(text[end]) || IsSpace(text[end]))) {
                if (!IsSpace(text[end])) digits.append(text[end]);
                ++end;
            }
            if (end < size && text[end] == '>') {
                tokens.append({digits, true});
                i = end + 1;
            } else {
                ++i;
            }
        } else if (c == '>') {
            ++i;
        } else {
            const qsizetype start = i;
            while (i < size && !IsSpace(text[i]) && !IsDelimiter(text[i])) ++i;
            tokens.append({text.mid(start, i - start), false});
        }
    }
    return tokens;
}

std::optional<Characters> HexCharacters(const Token& token) {
    if (!token.hex) return std::nullopt;
    const std::optional<QList<char16_t>> units = Utf16Units(token.text);
    if (!units) return std::nullopt;
    return FromUtf16(*units);
}

std::optional<Mappings> ParseSections(const QByteArray& body) {
    const QList<Token> tokens = Tokens(body);
    Mappings mappings;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].Is("beginbfchar")) {
            for (++i; i + 1 < tokens.size() && !tokens[i].Is("endbfchar"); i += 2) {
                const std::optional<Characters> dst = HexCharacters(tokens[i + 1]);
                if (!tokens[i].hex || !dst) return std::nullopt;
                mappings.chars.append({tokens[i].text, *dst});
            }
        } else if (tokens[i].Is("beginbfrange")) {
            for (++i; i + 2 < tokens.size() && !tokens[i].Is("endbfrange");) {
                if (!tokens[i].hex || !tokens[i + 1].hex) return std::nullopt;
                RangeMapping range{tokens[i].text, tokens[i + 1].text, {}, false};
                i += 2;
                if (tokens[i].Is("[")) {
                    for (++i; i < tokens.size() && !tokens[i].Is("]"); ++i) {
                        const std::optional<Characters> dst = HexCharacters(tokens[i]);
                        if (!dst) return std::nullopt;
                        range.destinations.append(*dst);
                    }
                    ++i;
                } else {
                    const std::optional<Characters> dst = HexCharacters(tokens[i++]);
                    if (!dst) return std::nullopt;
                    range.destinations.append(*dst);
                    range.counting = true;
                }
                mappings.ranges.append(range);
            }
        }
    }
    return mappings;
}

// The characters of code `low + offset` in a range.
std::optional<Characters> RangeCharacters(const RangeMapping& range, quint32 offset) {
    if (!range.counting) {
        if (offset >= quint32(range.destinations.size())) return std::nullopt;
        return range.destinations[offset];
    }
    // The last UTF-16 unit counts up: re-encode, add, decode.
    QList<char16_t> units;
    for (char32_t c : range.destinations.first())
        for (QChar u : QString::fromUcs4(&c, 1)) units.append(u.unicode());
    if (units.isEmpty()) return std::nullopt;
    units.last() = char16_t(units.last() + offset);
    return FromUtf16(units);
}

Characters Read(const Characters& characters, const std::function<char32_t(char32_t)>& reading) {
    Characters result;
    for (char32_t c : characters) result.append(reading(c));
    return result;
}

QByteArray Section(const char* kind, const QList<QByteArray>& entries) {
    QByteArray text;
    for (qsizetype start = 0; start < entries.size(); start += kEntriesPerSection) {
        const QList<QByteArray> part = entries.mid(start, kEntriesPerSection);
        text += QByteArray::number(part.size()) + " begin" + kind + '\n';
        for (const QByteArray& entry : part) text += entry + '\n';
        text += QByteArray("end") + kind + '\n';
    }
    return text;
}

QByteArray RangeEntry(const RangeMapping& range) {
    QByteArray entry = '<' + range.low + "> <" + range.high + "> ";
    if (range.counting) return entry + ToUtf16Hex(range.destinations.first());
    QList<QByteArray> destinations;
    for (const Characters& characters : range.destinations) destinations.append(ToUtf16Hex(characters));
    return entry + '[' + destinations.join(' ') + ']';
}

// The mapping sections of a CMap: where they start and end, and what they hold.
struct CMapBody {
    qsizetype start = 0, end = 0;
    Mappings mappings;
};

// Where the first mapping section starts: its entry count, then "beginbfchar" or
// "beginbfrange" after white space; -1 when there is none.
qsizetype FirstSectionStart(const QByteArray& cmap) {
    for (qsizetype at = cmap.indexOf("beginbf"); at >= 0; at = cmap.indexOf("beginbf", at + 1)) {
        const QByteArrayView kind = QByteArrayView(cmap).sliced(at + 7);
        if (!kind.startsWith("char") && !kind.startsWith("range")) continue;
        qsizetype start = at;
        while (start > 0 && IsSpace(cmap[start - 1])) --start;
        if (start == at) continue;
        const qsizetype spaces = start;
        while (start > 0 && cmap[start - 1] >= '0' && cmap[start - 1] <= '9') --start;
        if (start < spaces) return start;
    }
    return -1;
}

// Where the last mapping section ends, just after its "endbfchar" or "endbfrange".
qsizetype LastSectionEnd(const QByteArray& cmap) {
    const qsizetype chars = cmap.lastIndexOf("endbfchar"), ranges = cmap.lastIndexOf("endbfrange");
    if (chars < 0 && ranges < 0) return -1;
    return chars > ranges ? chars + 9 : ranges + 10;
}

std::optional<CMapBody> ParseCMap(const QByteArray& cmap) {
    CMapBody body;
    body.start = FirstSectionStart(cmap);
    body.end = LastSectionEnd(cmap);
    if (body.start < 0 || body.end < body.start) return std::nullopt;
    std::optional<Mappings> mappings = ParseSections(cmap.mid(body.start, body.end - body.start));
    if (!mappings) return std::nullopt;
    body.mappings = std::move(*mappings);
    return body;
}

// A range's first and last code; nullopt when they do not make a bounded run.
std::optional<std::pair<quint32, quint32>> RangeCodes(const RangeMapping& range) {
    bool lowOk = false, highOk = false;
    const quint32 low = range.low.toUInt(&lowOk, 16), high = range.high.toUInt(&highOk, 16);
    if (!lowOk || !highOk || high < low || high - low > 0xFFFF) return std::nullopt;
    return std::pair{low, high};
}

} // namespace

std::optional<QByteArray> RewriteToUnicodeCMap(const QByteArray& cmap,
                                               const std::function<char32_t(char32_t)>& reading,
                                               const QMap<quint32, char32_t>& added) {
    const std::optional<CMapBody> body = ParseCMap(cmap);
    if (!body) return std::nullopt;
    const Mappings& mappings = body->mappings;

    bool changed = !added.isEmpty();
    QList<QByteArray> chars, ranges;
    qsizetype codeDigits = 4;
    for (const CharMapping& mapping : mappings.chars) {
        const Characters read = Read(mapping.characters, reading);
        changed = changed || read != mapping.characters;
        chars.append('<' + mapping.code + "> " + ToUtf16Hex(read));
        codeDigits = mapping.code.size();
    }
    for (const RangeMapping& range : mappings.ranges) {
        const auto codes = RangeCodes(range);
        if (!codes) return std::nullopt;
        QList<QByteArray> expanded;
        bool rangeChanged = false;
        for (quint32 code = codes->first; code <= codes->second; ++code) {
            const std::optional<Characters> characters = RangeCharacters(range, code - codes->first);
            if (!characters) return std::nullopt;
            const Characters read = Read(*characters, reading);
            rangeChanged = rangeChanged || read != *characters;
            expanded.append(CodeHex(code, range.low.size()) + ' ' + ToUtf16Hex(read));
        }
        // A changed range no longer counts up evenly: its codes are listed one by one.
        if (rangeChanged) chars += expanded;
        else ranges.append(RangeEntry(range));
        changed = changed || rangeChanged;
        codeDigits = range.low.size();
    }
    for (auto [code, character] : added.asKeyValueRange())
        chars.append(CodeHex(code, codeDigits) + ' ' + ToUtf16Hex({character}));
    if (!changed) return std::nullopt;
    return cmap.left(body->start) + Section("bfrange", ranges) + Section("bfchar", chars)
           + cmap.mid(body->end);
}

std::optional<QMap<quint32, char32_t>> ToUnicodeEntries(const QByteArray& cmap) {
    const std::optional<CMapBody> body = ParseCMap(cmap);
    if (!body) return std::nullopt;
    QMap<quint32, char32_t> entries;
    for (const CharMapping& mapping : body->mappings.chars) {
        bool ok = false;
        const quint32 code = mapping.code.toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        entries.insert(code, mapping.characters.value(0));
    }
    for (const RangeMapping& range : body->mappings.ranges) {
        const auto codes = RangeCodes(range);
        if (!codes) return std::nullopt;
        for (quint32 code = codes->first; code <= codes->second; ++code) {
            const std::optional<Characters> characters = RangeCharacters(range, code - codes->first);
            if (!characters) return std::nullopt;
            entries.insert(code, characters->value(0));
        }
    }
    return entries;
}
