#pragma once
// The one reader of a command's arguments. Options are "--name" words, with a value
// (the next argument, taken as it is, so "--interval -2" reads "-2") or without one;
// every other argument is positional. The reader only splits; each command checks
// what it was given with the value readers below.
#include <QList>
#include <QPair>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

struct CommandOption {
    QString name;            // "--rows"
    bool takesValue = false;
};

class CommandArgs {
public:
    // nullopt with `problem` set (a Chinese message) for an unknown option or an option
    // without its value.
    static std::optional<CommandArgs> Read(const QStringList& args, const QList<CommandOption>& options,
                                           QString* problem);

    const QStringList& Positional() const { return positional_; }
    bool Has(const QString& option) const;
    // The last value given for the option; empty when not given.
    QString Value(const QString& option) const;
    std::optional<QString> OptionalValue(const QString& option) const;
    // Every value given for a repeatable option, in order.
    QStringList Values(const QString& option) const;

private:
    QStringList positional_;
    QList<QPair<QString, QString>> given_;
};

// Value readers: nullopt when the text is not what the option takes; the command then
// reports a usage error naming the option and the text.

// "A-B", two whole row numbers from 1 up; as in the import dialog, a reversed pair is
// read from the smaller to the larger by the import.
struct RowSpan {
    int first = 1;
    int last = 1;
};
std::optional<RowSpan> ReadRowSpan(const QString& text);

// A whole number within [least, most], digits only ("2.5", "x" and "" are refused).
std::optional<qint64> ReadWholeNumber(const QString& text, qint64 least, qint64 most);

// "3,5-9": the numbers in order, each from 1 up, at most `most` of them.
std::optional<QList<qint64>> ReadNumberList(const QString& text, qint64 most);

// "COLSxROWS" ("x", "X" or "×"), two whole numbers from 1 up.
std::optional<QPair<int, int>> ReadGrid(const QString& text);

// "WxH" in millimetres, both above 0.
std::optional<QSizeF> ReadSizeMm(const QString& text);

// "LABEL=VALUE" with a label that is not empty; the value may be.
std::optional<QPair<QString, QString>> ReadAssignment(const QString& text);

// "A,B,..." with exactly `count` finite decimal numbers (millimetres, scales).
std::optional<QList<double>> ReadDecimals(const QString& text, int count);
