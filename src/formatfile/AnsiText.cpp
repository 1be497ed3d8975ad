#include "formatfile/AnsiText.h"

#include "formatfile/TextDecoder.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One iconv conversion descriptor for the lifetime of a call.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + size) as it can, appending to `out`. Returns the
    // number of input bytes consumed; stops before the first unconvertible sequence.
    size_t Convert(const char* in, size_t size, QByteArray& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        size_t left = size;
        char buffer[4096];
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            const size_t result = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, dst - buffer);
            if (result == static_cast<size_t>(-1) && errno != E2BIG) break;
        }
        char* dst = buffer;
        size_t room = sizeof buffer;
        if (left == 0 && iconv(cd_, nullptr, nullptr, &dst, &room) != static_cast<size_t>(-1))
            out.append(buffer, dst - buffer);
        return size - left;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with `lead` (valid input assumed).
int Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    return 2;
}

} // namespace

QByteArray EncodeAnsi(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    Converter gbk("GBK", "UTF-8");
    Converter gb18030("GB18030", "UTF-8");
    QByteArray out;
    out.reserve(utf8.size());
    qsizetype pos = 0;
    while (pos < utf8.size()) {
        pos += gbk.Convert(utf8.constData() + pos, utf8.size() - pos, out);
        if (pos >= utf8.size()) break;
        const int length = Utf8Length(static_cast<unsigned char>(utf8[pos]));
        const int take = int(qMin<qsizetype>(length, utf8.size() - pos));
        if (gb18030.Convert(utf8.constData() + pos, take, out) != size_t(take))
            out.append('?'); // unpaired surrogates only; text from QString is otherwise valid
        pos += take;
    }
    return out;
}

std::optional<QString> DecodeAnsi(const QByteArray& bytes) {
    TextDecoder decoder(TextDecoder::Encoding::Gb18030);
    QString text;
    if (!decoder.Feed(bytes, text) || !decoder.Finish(text)) return std::nullopt;
    return text;
}

std::optional<QString> DecodeTextFileBytes(const QByteArray& bytes) { return DecodeTextBytes(bytes); }
