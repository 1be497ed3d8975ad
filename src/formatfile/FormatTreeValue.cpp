#include "formatfile/FormatTreeValue.h"

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
