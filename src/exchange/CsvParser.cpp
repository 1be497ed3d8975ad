#include "exchange/CsvParser.h"

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

bool IsLineBreak(QChar c) { return c == kCr || c == kLf; }

class CsvStateMachine {
public:
    explicit CsvStateMachine(QStringView text) : text_(text) {}

    CsvRecords Run() {
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c == kQuote) QuoteRun();
            else if (c == kComma && !inQuotes_) EndField();
            else if (IsLineBreak(c)) LineBreak(c);
            else Append(c);
        }
        // A quote left open ends with the text; the text's own last line end is not
        // part of the field.
        if (inQuotes_ && !text_.isEmpty() && IsLineBreak(text_.back())) field_.chop(2);
        if (lineHasText_) EndRecord();
        result_.unclosedQuote = inQuotes_;
        return std::move(result_);
    }

private:
    void Append(QChar c) {
        field_.append(c);
        fieldTouched_ = true;
        lineHasText_ = true;
        ++pos_;
    }

    void QuoteRun() {
        qsizetype end = pos_;
        while (end < text_.size() && text_[end] == kQuote) ++end;
        const qsizetype length = end - pos_;
        // A whole field of quotes in even number is a quoted field of quotes: its
        // first and last quote enclose it ("" is empty, """" one quote).
        const bool wholeField = length % 2 == 0 && !fieldTouched_ && !inQuotes_ &&
                                (end == text_.size() || text_[end] == kComma ||
                                 IsLineBreak(text_[end]));
        field_.append(QString(wholeField ? length / 2 - 1 : length / 2, kQuote));
        if (length % 2 == 1) inQuotes_ = !inQuotes_;
        fieldTouched_ = true;
        lineHasText_ = true;
        pos_ = end;
    }

    void LineBreak(QChar c) {
        ++pos_;
        if (c == kCr && pos_ < text_.size() && text_[pos_] == kLf) ++pos_;
        if (inQuotes_) {
            field_.append(QStringLiteral("\r\n"));
            return;
        }
        EndRecord();
    }

    void EndField() {
        record_.append(field_);
        field_.clear();
        fieldTouched_ = false;
        lineHasText_ = true;
        ++pos_;
    }

    void EndRecord() {
        // An empty line has no fields at all.
        if (lineHasText_) record_.append(field_);
        result_.records.append(record_);
        record_.clear();
        field_.clear();
        fieldTouched_ = false;
        lineHasText_ = false;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    bool inQuotes_ = false;
    bool fieldTouched_ = false;
    bool lineHasText_ = false;
    QString field_;
    QStringList record_;
    CsvRecords result_;
};

} // namespace

CsvRecords ParseCsv(QStringView text) { return CsvStateMachine(text).Run(); }

