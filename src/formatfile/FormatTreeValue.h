#pragma once
// The stored format tree, parameter "格式树": class names joined by "|", then "//",
// then one format list per class joined by "||", each list's names joined by "\".
#include <QList>
#include <QStringList>

struct FormatTreeValue {
    QStringList classes;
    QList<QStringList> lists; // one per class

    static FormatTreeValue Parse(const QString& value);
    QString ToString() const;

    // The classes of a fresh tree, "其他" last.
    static const QStringList& DefaultClasses();
    // A fresh tree holding these formats.
    static FormatTreeValue Build(const QStringList& formatNames);

    // Files a format under the first class, other than "其他", whose name occurs in
    // the format name, else under "其他" (added when missing). A name already in the
    // tree stays where it is.
    void AddFormat(const QString& name);
    bool Contains(const QString& name) const;
};

inline const QString kFormatTreeParam = QStringLiteral("格式树");
inline const QString kOtherClass = QStringLiteral("其他");
