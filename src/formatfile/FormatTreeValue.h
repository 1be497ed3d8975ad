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
    // The index of the class holding the format; -1 when none does.
    qsizetype ClassOf(const QString& name) const;

    // Each returns false and changes nothing when there is nothing to do.
    bool RemoveFormat(const QString& name);
    bool RenameFormat(const QString& oldName, const QString& newName);
    // Moves the format to the end of the class's list.
    bool MoveFormat(const QString& name, const QString& className);
    // A new class goes before "其他", which stays last.
    bool AddClass(const QString& name);
    bool RenameClass(const QString& oldName, const QString& newName);
    bool RemoveClass(const QString& name);

    // Makes the tree agree with the formats that exist: names of formats that are
    // gone, repeated names and unnamed classes leave, "其他" is there, and every
    // existing format the tree lacks is filed by AddFormat. True when it changed.
    bool Reconcile(const QStringList& existingFormats);
};

inline const QString kFormatTreeParam = QStringLiteral("格式树");
inline const QString kOtherClass = QStringLiteral("其他");
