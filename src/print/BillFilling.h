#pragma once
// Putting values into a bill by box label, as import and the command line address
// boxes: a text box's value is converted by its data type, a check box is checked
// by any non-blank value, a picture box takes the value as its link item.
#include <QHash>
#include <QString>

class Bill;
struct BoxRecord;
struct Format;
struct ValueFilling;

// The boxes of a format by label, looked up once so that many values on a format of
// thousands of boxes do not scan every box for each value.
class BoxesByLabel {
public:
    explicit BoxesByLabel(const Format& format); // `format` must outlive this
    // Fills every text, check and picture box labelled `label`; false when there is none.
    bool Fill(Bill& bill, const QString& label, const QString& value,
              const ValueFilling& filling) const;

private:
    QMultiHash<QString, const BoxRecord*> boxes_;
};
