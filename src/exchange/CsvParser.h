#pragma once
// Splitting CSV text into records and fields.
//
// A run of consecutive double quotes of even length stands for half as many literal
// quotes wherever it appears; a run of odd length also opens a quoted section (when
// none is open) or closes it, so "a""b" reads a"b and ""a"" reads "a". Within a
// quoted section commas and line breaks belong to the field; a line break there
// reads as CR LF. A field made only of an even number of quotes is enclosed by its
// first and last one: "" is empty, """" is one quote. An empty line is a record
// without fields; a line break at the very end adds no record.
#include <QList>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>

struct CsvRecords {
    QList<QStringList> records;
    // The text ended inside a quoted section: the last field was closed there.
    bool unclosedQuote = false;
};

CsvRecords ParseCsv(QStringView text);

// The same rules on text that arrives in pieces: each record goes to the sink as
// soon as it is complete, and the sink may stop the parse.
class CsvParser {
public:
    // Returns false to stop: no further record is wanted.
    using Sink = std::function<bool(QStringList&& record)>;
    // A field longer than `maxFieldChars` or a record of more than `maxFields` fields
    // stops the parse (negative: no limit).
    explicit CsvParser(Sink sink, qsizetype maxFieldChars = -1, qsizetype maxFields = -1);
    ~CsvParser();
    CsvParser(const CsvParser&) = delete;
    CsvParser& operator=(const CsvParser&) = delete;

    // Parses what `text` completes; the rest waits for the next piece. False once the
    // parse has stopped (the sink said so, or a limit was passed).
    bool Feed(QStringView text);
    // The end of the text: the last record goes to the sink.
    void Finish();

    bool UnclosedQuote() const;
    // A field, or the fields of one record, grew beyond the limit.
    bool FieldTooLong() const;
    bool TooManyFields() const;
    // The line (from 1) the parse has reached.
    qsizetype Line() const;

private:
    class StateMachine;
    std::unique_ptr<StateMachine> machine_;
};
