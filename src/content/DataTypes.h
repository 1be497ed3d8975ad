#pragma once
// The data types of text boxes (`Cash`, editor caption "内容类别"), one row per type in
// the order the box editor lists them: what each converts to, what its code carries
// (cell counts for the 对格 types, digit positions for 114 and 121), how its text
// is typed and printed. The stored number stays what the database and the format
// file hold; code reads what it means from here. The table is checked at compile time.
#include <QList>
#include <QString>
#include <array>
#include <string_view>

enum class DataFamily {
    Plain,          // 普通文本, and codes no row names
    DatePart,       // 年 / 月 / 日 in Chinese or Arabic digits
    CapitalAmount,  // 大写金额 (元 / 圆)
    Amount,         // 小写金额, also spread over cells
    Digits,         // 数字(对格)
    Postcode,
    Date,           // a whole date by pattern
    CustomDate,     // 自定义日期: the format's own pattern
    CapitalDigits,  // 大写金额(仅数字)
    Tick,           // 只打√
    Percentage,
    AutoNumber,     // 自动编号
    Gender,
    Password,       // 发票密码区
    CustomList,     // 自定义列表
};

// What leaving a box of the type does to its text.
enum class DataConversion {
    None,
    DatePartChinese,
    DatePartArabic,
    CapitalYuan,          // CapitalAmount with 元
    CapitalRound,         // CapitalAmount with 圆
    Amount,               // FormatAmount
    AmountNoSymbol,       // FormatAmount without the currency symbol
    AmountNoSymbolNoComma,
    AmountNoComma,
    YuanAmount,           // 1234.5元
    Postcode,
    Date,                 // FormatDate with the row's pattern
    CapitalDigits,        // CapitalDigits with n positions
    CapitalDigitsNoFen,   // CapitalDigits with n + 2 positions, 角 and 分 dropped
    Percentage,
    Gender,
};

// What a code carries besides its type.
enum class CodeCount {
    None,
    Cells,     // stored code = countBase + cells (1..99)
    Positions, // stored code = code + n / 100
};

// How the text goes onto paper.
enum class Placement {
    Flow,        // wrapped lines
    Cells,       // one character per cell
    AmountCells, // an amount in fen over the cells
};

enum class DatePartOf { None, Year, Month, Day };

struct DataTypeTraits {
    int code;                   // as the editor lists it: 011 stands for every 1..99
    std::u16string_view caption;
    DataFamily family;
    DataConversion conversion;
    int low, high;              // the integer parts of the stored codes this row stands for
    CodeCount count = CodeCount::None;
    int countBase = 0;          // Cells: code − countBase cells
    DatePartOf datePart = DatePartOf::None;
    bool digitKeys = false;     // typing takes only digits, "." and "-"
    bool number = false;        // the text stands for a number (amounts, digits, percentages)
    bool capital = false;       // the number is written in capital digits
    bool currencySymbol = false; // the currency symbol stays in the text
    Placement placement = Placement::Flow;
    int fixedCells = 0;         // cells of a type that always has the same count (postcode)
    std::u16string_view datePattern = {}; // for DataConversion::Date
};

inline constexpr int kDataTypeCount = 38;

// clang-format off
inline constexpr std::array<DataTypeTraits, kDataTypeCount> kDataTypes{{
    {0, u"普通文本", DataFamily::Plain, DataConversion::None, 0, 0},
    {100, u"年(中文)", DataFamily::DatePart, DataConversion::DatePartChinese, 100, 100, CodeCount::None, 0, DatePartOf::Year},
    {101, u"月(中文)", DataFamily::DatePart, DataConversion::DatePartChinese, 101, 101, CodeCount::None, 0, DatePartOf::Month},
    {102, u"日(中文)", DataFamily::DatePart, DataConversion::DatePartChinese, 102, 102, CodeCount::None, 0, DatePartOf::Day},
    {103, u"大写金额(元)", DataFamily::CapitalAmount, DataConversion::CapitalYuan, 103, 103, CodeCount::None, 0, DatePartOf::None, false, true, true},
    {120, u"大写金额(圆)", DataFamily::CapitalAmount, DataConversion::CapitalRound, 120, 120, CodeCount::None, 0, DatePartOf::None, false, true, true},
    {104, u"小写金额(不对格)(有￥)", DataFamily::Amount, DataConversion::Amount, 104, 104, CodeCount::None, 0, DatePartOf::None, false, true, false, true},
    {105, u"小写金额(不对格)(无￥)", DataFamily::Amount, DataConversion::AmountNoSymbol, 105, 105, CodeCount::None, 0, DatePartOf::None, true, true},
    {117, u"小写金额(不对格)(无￥无逗号)", DataFamily::Amount, DataConversion::AmountNoSymbolNoComma, 117, 117, CodeCount::None, 0, DatePartOf::None, false, true},
    {118, u"小写金额(不对格)(有￥无逗号)", DataFamily::Amount, DataConversion::AmountNoComma, 118, 118, CodeCount::None, 0, DatePartOf::None, false, true, false, true},
    {11, u"小写金额(对格 有￥)", DataFamily::Amount, DataConversion::Amount, 1, 99, CodeCount::Cells, 0, DatePartOf::None, true, true, false, true, Placement::AmountCells},
    {311, u"小写金额(对格 无￥)", DataFamily::Amount, DataConversion::AmountNoSymbol, 301, 399, CodeCount::Cells, 300, DatePartOf::None, false, true, false, false, Placement::AmountCells},
    {123, u"小写金额(XXXX元)", DataFamily::Amount, DataConversion::YuanAmount, 123, 123, CodeCount::None, 0, DatePartOf::None, false, true},
    {211, u"数字(对格)", DataFamily::Digits, DataConversion::None, 201, 299, CodeCount::Cells, 200, DatePartOf::None, false, true, false, false, Placement::Cells},
    {106, u"年(阿拉伯)", DataFamily::DatePart, DataConversion::DatePartArabic, 106, 106, CodeCount::None, 0, DatePartOf::Year, true},
    {107, u"月(阿拉伯)", DataFamily::DatePart, DataConversion::DatePartArabic, 107, 107, CodeCount::None, 0, DatePartOf::Month, true},
    {108, u"日(阿拉伯)", DataFamily::DatePart, DataConversion::DatePartArabic, 108, 108, CodeCount::None, 0, DatePartOf::Day, true},
    {109, u"邮编", DataFamily::Postcode, DataConversion::Postcode, 109, 109, CodeCount::None, 0, DatePartOf::None, false, false, false, false, Placement::Cells, 6},
    {110, u"日期：YYYY年MM月DD日", DataFamily::Date, DataConversion::Date, 110, 110, CodeCount::None, 0, DatePartOf::None, false, false, false, false, Placement::Flow, 0, u"YYYY年MM月DD日"},
    {111, u"日期：YYYY-MM-DD", DataFamily::Date, DataConversion::Date, 111, 111, CodeCount::None, 0, DatePartOf::None, false, false, false, false, Placement::Flow, 0, u"YYYY-MM-DD"},
    {112, u"日期：MM年DD月", DataFamily::Date, DataConversion::Date, 112, 112, CodeCount::None, 0, DatePartOf::None, false, false, false, false, Placement::Flow, 0, u"MM月DD日"},
    {113, u"日期：MM-DD", DataFamily::Date, DataConversion::Date, 113, 113, CodeCount::None, 0, DatePartOf::None, false, false, false, false, Placement::Flow, 0, u"MM-DD"},
    {119, u"自定义日期：", DataFamily::CustomDate, DataConversion::None, 119, 119},
    {133, u"自定义日期：", DataFamily::CustomDate, DataConversion::None, 133, 133},
    {114, u"大写金额(仅数字)", DataFamily::CapitalDigits, DataConversion::CapitalDigits, 114, 114, CodeCount::Positions, 0, DatePartOf::None, false, true, true},
    {121, u"大写金额(仅数字,无角分)", DataFamily::CapitalDigits, DataConversion::CapitalDigitsNoFen, 121, 121, CodeCount::Positions, 0, DatePartOf::None, false, true, true},
    {115, u"只打√", DataFamily::Tick, DataConversion::None, 115, 115},
    {116, u"百分数", DataFamily::Percentage, DataConversion::Percentage, 116, 116, CodeCount::None, 0, DatePartOf::None, false, true},
    {122, u"自动编号", DataFamily::AutoNumber, DataConversion::None, 122, 122},
    {131, u"性别", DataFamily::Gender, DataConversion::Gender, 131, 131},
    {132, u"发票密码区", DataFamily::Password, DataConversion::None, 132, 132},
    {124, u"自定义列表1：", DataFamily::CustomList, DataConversion::None, 124, 124},
    {125, u"自定义列表2：", DataFamily::CustomList, DataConversion::None, 125, 125},
    {126, u"自定义列表3：", DataFamily::CustomList, DataConversion::None, 126, 126},
    {127, u"自定义列表4：", DataFamily::CustomList, DataConversion::None, 127, 127},
    {128, u"自定义列表5：", DataFamily::CustomList, DataConversion::None, 128, 128},
    {129, u"自定义列表6：", DataFamily::CustomList, DataConversion::None, 129, 129},
    {130, u"自定义列表7：", DataFamily::CustomList, DataConversion::None, 130, 130},
}};
// clang-format on

// The rows must agree with themselves: each stands for the codes it names and no
// other row does, counts belong to the rows that carry them, date parts to date
// parts, patterns to whole dates.
constexpr bool DataTypeRowsAgree() {
    for (int i = 0; i < kDataTypeCount; ++i) {
        const DataTypeTraits& row = kDataTypes[i];
        if (row.low > row.high || row.code < row.low || row.code > row.high) return false;
        if ((row.count == CodeCount::Cells) != (row.high > row.low)) return false;
        if (row.count == CodeCount::Cells && row.low != row.countBase + 1) return false;
        if ((row.datePart != DatePartOf::None) != (row.family == DataFamily::DatePart)) return false;
        if (row.datePattern.empty() != (row.conversion != DataConversion::Date)) return false;
        if (row.capital && !row.number) return false;
        for (int j = 0; j < i; ++j)
            if (row.low <= kDataTypes[j].high && kDataTypes[j].low <= row.high) return false;
    }
    return true;
}
static_assert(DataTypeRowsAgree(), "each data type row names its own codes and consistent traits");

// Integer part of a code, the part that selects the row; 0 for codes that are not
// finite or out of any sensible range.
int DataTypeBase(double dataType);

// The row a stored code belongs to; nullptr for codes no row names (they are plain
// text, or print nothing: see PrintsNothing).
const DataTypeTraits* DataTypeOf(double dataType);

// The row's family; Plain for codes no row names.
DataFamily FamilyOf(double dataType);
DataConversion ConversionOf(double dataType);
DatePartOf DatePartIn(double dataType);
// Typing into a box of the type takes only digits, "." and "-".
bool TakesDigitKeysOnly(double dataType);
// The code selects any type but plain text (codes of 1 and above).
bool HasDataType(double dataType);

// Codes that no row names and that print nothing: 300, 134 … 200 and 400 and above.
bool PrintsNothing(double dataType);

// The list entry the box editor shows for a row: three-digit code + "｜" + caption,
// e.g. "011｜小写金额(对格 有￥)".
QString ListText(const DataTypeTraits& row);

// The row index the box editor selects for a stored code: 011 for 1..99, 211 for
// 201..299, 311 for 301..399, 114 and 121 whatever their positions; -1 for none.
int DataTypeListIndex(double dataType);

// On screen, boxes of these types get a single-line border: codes strictly between
// 0 and 100, or strictly between 200 and 400.
bool HasSingleBorder(double dataType);

// Cells of the 对格 types, carried in their code; 0 otherwise.
int DigitCellCount(double dataType);

// Positions n carried in the hundredths of 114 + n/100 and 121 + n/100, as the box
// editor shows them under "大写金额位数："; 0 for other codes.
int CapitalDigitsCount(double dataType);

// Positions `CapitalDigits` is called with: n for 114, n + 2 for 121 (the 角 and 分
// positions that are then dropped); 0 for other codes.
int CapitalDigitsPositions(double dataType);

// The stored code for a listed code and its count: 11 with 12 cells is 12, 211 with
// 8 is 208, 311 with 8 is 308, 114 with 10 positions is 114.1; others unchanged.
double DataTypeWithCount(int listedCode, int count);

// Whether a listed code carries a count the box editor asks for.
bool TakesCount(int listedCode);
