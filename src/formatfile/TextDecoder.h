#pragma once
// Text files of unknown encoding (format files, CSV files from any tool), decoded
// piece by piece so a large file never has to be in memory twice.
//
// The encoding comes from the first bytes: a byte-order mark (UTF-8, UTF-16, UTF-32),
// else the pattern of NUL bytes that UTF-16 and UTF-32 give to ASCII text, else the
// first stretch of non-ASCII bytes: UTF-8 when it is valid UTF-8, GB18030 otherwise.
// GB18030 takes all of GBK, user-defined codes included (as private-use characters),
// and the single byte 80 that GBK files written on Windows use for the euro sign.
// A byte sequence the chosen encoding does not take is an error with its line number,
// never a replacement character.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>

class TextDecoder {
public:
    enum class Encoding { Undecided, Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be, Gb18030 };

    // Undecided: the encoding is found from the first bytes.
    explicit TextDecoder(Encoding encoding = Encoding::Undecided);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // Decodes the next bytes of the file and appends what they complete to `text`.
    // False once the file holds bytes the encoding does not take (see ErrorLine()).
    bool Feed(QByteArrayView bytes, QString& text);
    // The end of the file: false when it ends inside a character.
    bool Finish(QString& text);

    Encoding TextEncoding() const { return encoding_; }
    // The line (from 1) of the first bytes that could not be decoded; 0 when none.
    int ErrorLine() const { return errorLine_; }

private:
    bool Decode(QString& text, bool atEnd);
    // Chooses the encoding once the first bytes are in, passing plain ASCII on while
    // nothing else has come; false while it still waits.
    bool Decide(QString& text, bool atEnd);
    bool Convert(QString& text, bool atEnd);
    void Append(QString& text, QStringView decoded);

    struct Converter;
    std::unique_ptr<Converter> converter_;
    Encoding encoding_ = Encoding::Undecided;
    bool sniffed_ = false;
    QByteArray pending_;
    qsizetype lines_ = 1;
    int errorLine_ = 0;
};

// A whole file's text; nullopt when it cannot be decoded, with `errorLine` set.
std::optional<QString> DecodeTextBytes(QByteArrayView bytes, int* errorLine = nullptr);
