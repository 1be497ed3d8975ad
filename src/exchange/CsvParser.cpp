#include "exchange/CsvParser.h"

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

bool IsLineBreak(QChar c) { return c == kCr || c == kLf; }

} // namespace

class CsvParser::StateMachine {
public:
    StateMachine(Sink sink, qsizetype maxFieldChars, qsizetype maxFields)
        : sink_(std::move(sink)), maxFieldChars_(maxFieldChars), maxFields_(maxFields) {}

    bool Feed(QStringView text, bool atEnd) {
        if (stopped_) return false;
        text_.append(text);
        pos_ = 0;
        while (pos_ < text_.size() && !stopped_) {
            const QChar c = text_[pos_];
            bool done = true;
            if (c == kQuote) done = QuoteRun(atEnd);
            else if (c == kComma && !inQuotes_) EndField();
            else if (IsLineBreak(c)) done = LineBreak(c, atEnd);
            else Append(c);
            if (!done) break; // the next piece decides
            fieldTooLong = maxFieldChars_ >= 0 && field_.size() > maxFieldChars_;
            tooManyFields = maxFields_ >= 0 && record_.size() > maxFields_;
            if (fieldTooLong || tooManyFields) stopped_ = true;
        }
        if (!text_.isEmpty() && pos_ > 0) lastChar_ = text_[pos_ - 1];
        text_.remove(0, pos_);
        if (atEnd && !stopped_) End();
        return !stopped_;
    }

    bool unclosedQuote = false;
    bool fieldTooLong = false;
    bool tooManyFields = false;
    qsizetype line = 1;

private:
    void End() {
        // A quote left open ends with the text; the text's own last line end is not
        // part of the field.
        if (inQuotes_ && IsLineBreak(lastChar_)) field_.chop(2);
        if (lineHasText_) EndRecord();
        unclosedQuote = inQuotes_;
    }

    void Append(QChar c) {
        field_.append(c);
        fieldTouched_ = true;
        lineHasText_ = true;
        ++pos_;
    }

    bool QuoteRun(bool atEnd) {
        qsizetype end = pos_;
        while (end < text_.size() && text_[end] == kQuote) ++end;
        if (end == text_.size() && !atEnd) return false;
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
        return true;
    }

    bool LineBreak(QChar c, bool atEnd) {
        if (c == kCr && pos_ + 1 == text_.size() && !atEnd) return false;
        ++pos_;
        if (c == kCr && pos_ < text_.size() && text_[pos_] == kLf) ++pos_;
        ++line;
        if (inQuotes_) {
            field_.append(QStringLiteral("\r\n"));
            return true;
        }
        EndRecord();
        return true;
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
        if (!sink_(std::move(record_))) stopped_ = true;
        record_ = QStringList();
        field_.clear();
        fieldTouched_ = false;
        lineHasText_ = false;
    }

    Sink sink_;
    qsizetype maxFieldChars_;
    qsizetype maxFields_;
    QString text_;
    qsizetype pos_ = 0;
    QChar lastChar_;
    bool inQuotes_ = false;
    bool fieldTouched_ = false;
    bool lineHasText_ = false;
    bool stopped_ = false;
    QString field_;
    QStringList record_;
};

CsvParser::CsvParser(Sink sink, qsizetype maxFieldChars, qsizetype maxFields)
    : machine_(std::make_unique<StateMachine>(std::move(sink), maxFieldChars, maxFields)) {}
CsvParser::~CsvParser() = default;

bool CsvParser::Feed(QStringView text) { return machine_->Feed(text, false); }
void CsvParser::Finish() { machine_->Feed({}, true); }
bool CsvParser::UnclosedQuote() const { return machine_->unclosedQuote; }
bool CsvParser::FieldTooLong() const { return machine_->fieldTooLong; }
bool CsvParser::TooManyFields() const { return machine_->tooManyFields; }
qsizetype CsvParser::Line() const { return machine_->line; }

CsvRecords ParseCsv(QStringView text) {
    CsvRecords result;
    CsvParser parser([&result](QStringList&& record) {
        result.records.append(std::move(record));
        return true;
    });
    parser.Feed(text);
    parser.Finish();
    result.unclosedQuote = parser.UnclosedQuote();
    return result;
}
