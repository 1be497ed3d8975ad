#include "content/DataTypes.h"

#include <algorithm>
#include <cmath>

QString DataTypeEntry::ListText() const {
    return QStringLiteral("%1").arg(int(code), 3, 10, QChar(u'0')) + u'｜' + caption;
}

const QList<DataTypeEntry>& DataTypeList() {
    static const QList<DataTypeEntry> kList = [] {
        QList<DataTypeEntry> list = {
            {0, QStringLiteral("普通文本")},
            {100, QStringLiteral("年(中文)")},
            {101, QStringLiteral("月(中文)")},
            {102, QStringLiteral("日(中文)")},
            {103, QStringLiteral("大写金额(元)")},
            {120, QStringLiteral("大写金额(圆)")},
            {104, QStringLiteral("小写金额(不对格)(有￥)")},
            {105, QStringLiteral("小写金额(不对格)(无￥)")},
            {117, QStringLiteral("小写金额(不对格)(无￥无逗号)")},
            {118, QStringLiteral("小写金额(不对格)(有￥无逗号)")},
            {11, QStringLiteral("小写金额(对格 有￥)")},
            {311, QStringLiteral("小写金额(对格 无￥)")},
            {123, QStringLiteral("小写金额(XXXX元)")},
            {211, QStringLiteral("数字(对格)")},
            {106, QStringLiteral("年(阿拉伯)")},
            {107, QStringLiteral("月(阿拉伯)")},
            {108, QStringLiteral("日(阿拉伯)")},
            {109, QStringLiteral("邮编")},
            {110, QStringLiteral("日期：YYYY年MM月DD日")},
            {111, QStringLiteral("日期：YYYY-MM-DD")},
            {112, QStringLiteral("日期：MM年DD月")},
            {113, QStringLiteral("日期：MM-DD")},
            {119, QStringLiteral("自定义日期：")},
            {133, QStringLiteral("自定义日期：")},
            {114, QStringLiteral("大写金额(仅数字)")},
            {121, QStringLiteral("大写金额(仅数字,无角分)")},
            {115, QStringLiteral("只打√")},
            {116, QStringLiteral("百分数")},
            {122, QStringLiteral("自动编号")},
            {131, QStringLiteral("性别")},
            {132, QStringLiteral("发票密码区")},
        };
        for (int i = 1; i <= 7; ++i)
            list.append({123.0 + i, QStringLiteral("自定义列表%1：").arg(i)});
        return list;
    }();
    return kList;
}

int DataTypeBase(double dataType) {
    // Codes are three digits; anything far outside is no type at all.
    if (!std::isfinite(dataType) || std::fabs(dataType) > 1e6) return 0;
    return int(std::trunc(dataType));
}

int DataTypeListIndex(double dataType) {
    const int base = DataTypeBase(dataType);
    int entryCode = base;
    if (DigitCellCount(dataType) > 0) entryCode = base < 100 ? 11 : base < 300 ? 211 : 311;
    else if (base != 114 && base != 121 && base != dataType) return -1;  // only these carry a fraction
    const QList<DataTypeEntry>& list = DataTypeList();
    for (qsizetype i = 0; i < list.size(); ++i)
        if (int(list[i].code) == entryCode) return int(i);
    return -1;
}

bool HasSingleBorder(double dataType) {
    return (dataType > 0 && dataType < 100) || (dataType > 200 && dataType < 400);
}

int DigitCellCount(double dataType) {
    const int base = DataTypeBase(dataType);
    if (base >= 1 && base <= 99) return base;
    if (base >= 201 && base <= 299) return base - 200;
    if (base >= 301 && base <= 399) return base - 300;
    return 0;
}

int CapitalDigitsCount(double dataType) {
    // The small offset keeps 114.1 (stored as 114.0999…) at 10 positions.
    const int base = DataTypeBase(dataType);
    if (base != 114 && base != 121) return 0;
    return std::max(0, int(dataType * 100 + 0.0001 - base * 100));
}

int CapitalDigitsPositions(double dataType) {
    switch (DataTypeBase(dataType)) {
    case 114: return std::max(0, int((dataType - 114 + 0.0001) * 100));
    case 121: return std::max(2, int((dataType - 121 + 0.0201) * 100));
    default: return 0;
    }
}

double DataTypeWithCount(int baseCode, int count) {
    switch (baseCode) {
    case 11: return count;
    case 211: return 200 + count;
    case 311: return 300 + count;
    case 114:
    case 121: return baseCode + count / 100.0;
    default: return baseCode;
    }
}
