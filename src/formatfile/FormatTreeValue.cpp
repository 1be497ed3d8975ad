#include "formatfile/FormatTreeValue.h"

#include <QSet>

namespace {
const QString kSectionSeparator = QStringLiteral("//");
const QString kClassSeparator = QStringLiteral("|");
const QString kListSeparator = QStringLiteral("||");
const QString kNameSeparator = QStringLiteral("\\");
} // namespace

FormatTreeValue FormatTreeValue::Parse(const QString& value) {
    FormatTreeValue tree;
    const qsizetype split = value.indexOf(kSectionSeparator);
    const QString classPart = split < 0 ? value : value.left(split);
    const QString listPart = split < 0 ? QString() : value.mid(split + kSectionSeparator.size());
    if (!classPart.isEmpty()) tree.classes = classPart.split(kClassSeparator);
    const QStringList lists = listPart.split(kListSeparator);
    for (qsizetype i = 0; i < tree.classes.size(); ++i)
        tree.lists.append(i < lists.size() ? lists[i].split(kNameSeparator, Qt::SkipEmptyParts)
                                           : QStringList());
    return tree;
}

QString FormatTreeValue::ToString() const {
    QStringList joined;
    for (const QStringList& list : lists) joined.append(list.join(kNameSeparator));
    return classes.join(kClassSeparator) + kSectionSeparator + joined.join(kListSeparator);
}

const QStringList& FormatTreeValue::DefaultClasses() {
    static const QStringList classes = {
        QStringLiteral("进账单"), QStringLiteral("电汇单"), QStringLiteral("支票"),
        QStringLiteral("结算业务申请书"), QStringLiteral("业务委托书"), QStringLiteral("报销单"),
        QStringLiteral("收据"), QStringLiteral("快递"), QStringLiteral("邮政"),
        QStringLiteral("合同"), QStringLiteral("标签"), QStringLiteral("出库单"),
        QStringLiteral("送货单"), kOtherClass};
    return classes;
}

FormatTreeValue FormatTreeValue::Build(const QStringList& formatNames) {
    FormatTreeValue tree;
    tree.classes = DefaultClasses();
    tree.lists.resize(tree.classes.size());
    for (const QString& name : formatNames) tree.AddFormat(name);
    return tree;
}

bool FormatTreeValue::Contains(const QString& name) const {
    for (const QStringList& list : lists)
        if (list.contains(name)) return true;
    return false;
}

void FormatTreeValue::AddFormat(const QString& name) {
    if (name.isEmpty() || Contains(name)) return;
    for (qsizetype i = 0; i < classes.size(); ++i) {
        if (classes[i] != kOtherClass && !classes[i].isEmpty() && name.contains(classes[i])) {
            lists[i].append(name);
            return;
        }
    }
    qsizetype other = classes.indexOf(kOtherClass);
    if (other < 0) {
        classes.append(kOtherClass);
        lists.append(QStringList());
        other = classes.size() - 1;
    }
    lists[other].append(name);
}

qsizetype FormatTreeValue::ClassOf(const QString& name) const {
    for (qsizetype i = 0; i < lists.size(); ++i)
        if (lists[i].contains(name)) return i;
    return -1;
}

bool FormatTreeValue::RemoveFormat(const QString& name) {
    bool removed = false;
    for (QStringList& list : lists) removed = list.removeAll(name) > 0 || removed;
    return removed;
}

bool FormatTreeValue::RenameFormat(const QString& oldName, const QString& newName) {
    if (oldName == newName || Contains(newName)) return false;
    for (QStringList& list : lists) {
        const qsizetype at = list.indexOf(oldName);
        if (at >= 0) {
            list[at] = newName;
            return true;
        }
    }
    return false;
}

bool FormatTreeValue::MoveFormat(const QString& name, const QString& className) {
    const qsizetype target = classes.indexOf(className);
    if (target < 0 || ClassOf(name) == target || !Contains(name)) return false;
    RemoveFormat(name);
    lists[target].append(name);
    return true;
}

bool FormatTreeValue::AddClass(const QString& name) {
    if (name.isEmpty() || classes.contains(name)) return false;
    const qsizetype other = classes.indexOf(kOtherClass);
    const qsizetype at = other < 0 ? classes.size() : other;
    classes.insert(at, name);
    lists.insert(at, QStringList());
    return true;
}

bool FormatTreeValue::RenameClass(const QString& oldName, const QString& newName) {
    const qsizetype at = classes.indexOf(oldName);
    if (at < 0 || newName.isEmpty() || classes.contains(newName)) return false;
    classes[at] = newName;
    return true;
}

bool FormatTreeValue::RemoveClass(const QString& name) {
    const qsizetype at = classes.indexOf(name);
    if (at < 0) return false;
    classes.removeAt(at);
    lists.removeAt(at);
    return true;
}

bool FormatTreeValue::Reconcile(const QStringList& existingFormats) {
    const QString before = ToString();
    const QSet<QString> existing(existingFormats.begin(), existingFormats.end());
    FormatTreeValue kept;
    QSet<QString> seen;
    for (qsizetype i = 0; i < classes.size(); ++i) {
        if (classes[i].isEmpty()) continue;
        qsizetype at = kept.classes.indexOf(classes[i]);
        if (at < 0) {
            kept.classes.append(classes[i]);
            kept.lists.append(QStringList());
            at = kept.classes.size() - 1;
        }
        for (const QString& name : lists.value(i)) {
            if (!existing.contains(name) || seen.contains(name)) continue;
            seen.insert(name);
            kept.lists[at].append(name);
        }
    }
    if (!kept.classes.contains(kOtherClass)) {
        kept.classes.append(kOtherClass);
        kept.lists.append(QStringList());
    }
    for (const QString& name : existingFormats) kept.AddFormat(name);
    *this = std::move(kept);
    return ToString() != before;
}
