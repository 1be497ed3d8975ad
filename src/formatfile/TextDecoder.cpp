#include "formatfile/TextDecoder.h"

#include <cerrno>
#include <climits>
#include <iconv.h>

namespace {

// Bytes looked at for a byte-order mark and the NUL pattern of UTF-16 and UTF-32.
constexpr qsizetype kSniffBytes = 4096;
// Non-ASCII bytes that must be valid UTF-8 before a file counts as UTF-8.
constexpr qsizetype kEvidenceBytes = 64;

// The euro sign in the GBK of Windows; GB18030 gives it two bytes.
constexpr char kWindowsEuroByte = '\x80';

enum class Utf8Check { Valid, CutShort, Invalid };

// Whether `bytes` are UTF-8 (shortest forms, no surrogates, nothing above U+10FFFF);
// CutShort when they are up to a character cut off by their end.
Utf8Check CheckUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = p[i];
        int length = 1;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return Utf8Check::Invalid;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size) return Utf8Check::CutShort;
            const unsigned char next = p[i + k];
            if (k == 1 ? (next < low || next > high) : (next < 0x80 || next > 0xBF))
                return Utf8Check::Invalid;
        }
        i += length;
    }
    return Utf8Check::Valid;
}

struct Mark {
    QByteArrayView bytes;
    TextDecoder::Encoding encoding;
};

// The longer marks first: the UTF-32 LE mark starts with the UTF-16 LE one.
const Mark kMarks[] = {
    {QByteArrayView("\xFF\xFE\x00\x00", 4), TextDecoder::Encoding::Utf32Le},
    {QByteArrayView("\x00\x00\xFE\xFF", 4), TextDecoder::Encoding::Utf32Be},
    {QByteArrayView("\xEF\xBB\xBF", 3), TextDecoder::Encoding::Utf8},
    {QByteArrayView("\xFF\xFE", 2), TextDecoder::Encoding::Utf16Le},
    {QByteArrayView("\xFE\xFF", 2), TextDecoder::Encoding::Utf16Be},
};

// UTF-16 or UTF-32 without a mark, by the NUL bytes ASCII text gets in them; Undecided
// when the bytes hold no NUL or NULs that fit neither. UTF-32 when every four bytes
// are a code point; UTF-16 when most NULs fall on one side of the pairs (characters
// such as U+4E00 put some on the other).
TextDecoder::Encoding ByNulPattern(QByteArrayView bytes) {
    using E = TextDecoder::Encoding;
    if (!bytes.contains('\0')) return E::Undecided;
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const qsizetype units32 = bytes.size() / 4;
    bool le32 = units32 > 0, be32 = units32 > 0;
    for (qsizetype u = 0; u < units32; ++u) {
        le32 = le32 && at(4 * u + 3) == 0 && at(4 * u + 2) <= 0x10;
        be32 = be32 && at(4 * u) == 0 && at(4 * u + 1) <= 0x10;
    }
    if (le32 != be32) return le32 ? E::Utf32Le : E::Utf32Be;
    qsizetype nulEven = 0, nulOdd = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        nulEven += at(i) == 0;
        nulOdd += at(i + 1) == 0;
    }
    if (nulOdd > 2 * nulEven) return E::Utf16Le;
    if (nulEven > 2 * nulOdd) return E::Utf16Be;
    return E::Undecided;
}

const char* IconvName(TextDecoder::Encoding encoding) {
    using E = TextDecoder::Encoding;
    switch (encoding) {
    case E::Utf8: return "UTF-8";
    case E::Utf16Le: return "UTF-16LE";
    case E::Utf16Be: return "UTF-16BE";
    case E::Utf32Le: return "UTF-32LE";
    case E::Utf32Be: return "UTF-32BE";
    case E::Gb18030: return "GB18030";
    case E::Undecided: break;
    }
    return nullptr;
}

} // namespace

// One conversion descriptor from the file's encoding to UTF-8, kept across pieces.
struct TextDecoder::Converter {
    explicit Converter(const char* from) : cd(iconv_open("UTF-8", from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd);
    }
    bool Valid() const { return cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd;
};

TextDecoder::TextDecoder(Encoding encoding) : encoding_(encoding) {}
TextDecoder::~TextDecoder() = default;

bool TextDecoder::Feed(QByteArrayView bytes, QString& text) {
    if (errorLine_) return false;
    pending_.append(bytes);
    return Decode(text, false);
}

bool TextDecoder::Finish(QString& text) {
    if (errorLine_) return false;
    return Decode(text, true);
}

bool TextDecoder::Decode(QString& text, bool atEnd) {
    if (encoding_ == Encoding::Undecided && !Decide(text, atEnd)) return true;
    if (!converter_) {
        converter_ = std::make_unique<Converter>(IconvName(encoding_));
        if (!converter_->Valid()) {
            errorLine_ = int(lines_);
            return false;
        }
    }
    return Convert(text, atEnd);
}

bool TextDecoder::Decide(QString& text, bool atEnd) {
    if (!sniffed_) {
        if (!atEnd && pending_.size() < kSniffBytes) return false;
        sniffed_ = true;
        for (const Mark& mark : kMarks) {
            if (pending_.startsWith(mark.bytes)) {
                encoding_ = mark.encoding;
                pending_.remove(0, mark.bytes.size());
                return true;
            }
        }
        encoding_ = ByNulPattern(QByteArrayView(pending_).first(qMin(pending_.size(), kSniffBytes)));
        if (encoding_ != Encoding::Undecided) return true;
    }
    // Plain ASCII reads the same in every candidate encoding: it passes as it is.
    qsizetype ascii = 0;
    while (ascii < pending_.size() && static_cast<unsigned char>(pending_[ascii]) < 0x80) ++ascii;
    Append(text, QString::fromLatin1(pending_.constData(), ascii));
    pending_.remove(0, ascii);
    if (pending_.isEmpty() || (!atEnd && pending_.size() < kEvidenceBytes)) return false;
    const QByteArrayView evidence = QByteArrayView(pending_).first(qMin(pending_.size(), kSniffBytes));
    encoding_ = CheckUtf8(evidence) == Utf8Check::Invalid ? Encoding::Gb18030 : Encoding::Utf8;
    return true;
}

bool TextDecoder::Convert(QString& text, bool atEnd) {
    iconv(converter_->cd, nullptr, nullptr, nullptr, nullptr);
    char* in = pending_.data();
    size_t left = size_t(pending_.size());
    char buffer[16384];
    bool failed = false;
    while (left > 0) {
        char* out = buffer;
        size_t room = sizeof buffer;
        const size_t result = iconv(converter_->cd, &in, &left, &out, &room);
        const int problem = result == size_t(-1) ? errno : 0;
        Append(text, QString::fromUtf8(buffer, out - buffer));
        if (problem == 0 || problem == E2BIG) continue;
        if (problem == EILSEQ && encoding_ == Encoding::Gb18030 && *in == kWindowsEuroByte) {
            Append(text, u"€");
            ++in;
            --left;
            continue;
        }
        // EINVAL: a character cut by the end of this piece, completed by the next.
        failed = problem != EINVAL || atEnd;
        break;
    }
    pending_.remove(0, pending_.size() - qsizetype(left));
    if (failed) errorLine_ = int(qMin<qsizetype>(lines_, INT_MAX));
    return !failed;
}

void TextDecoder::Append(QString& text, QStringView decoded) {
    lines_ += decoded.count(u'\n');
    text.append(decoded);
}

std::optional<QString> DecodeTextBytes(QByteArrayView bytes, int* errorLine) {
    TextDecoder decoder;
    QString text;
    const bool decoded = decoder.Feed(bytes, text) && decoder.Finish(text);
    if (errorLine) *errorLine = decoder.ErrorLine();
    if (!decoded) return std::nullopt;
    return text;
}
