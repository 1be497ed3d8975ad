#pragma once
// What the open window shares with the designer and print modules: the one database
// connection, the current format (the model the box grid and canvas show), the
// current bill, and the conversion settings read at start-up.
#include "content/ConversionSettings.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <memory>

class Database;
class FormatStore;
class ParamStore;

class Session {
public:
    explicit Session(std::unique_ptr<Database> db);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Database& Db() { return *db_; }
    FormatStore& Formats() { return *formats_; }
    ParamStore& Params() { return *params_; }

    // The open format; its name is empty while none is open.
    Format& CurrentFormat() { return format_; }
    const Format& CurrentFormat() const { return format_; }
    bool HasFormat() const { return !format_.name.isEmpty(); }
    Bill& CurrentBill() { return bill_; }

    // The text that stands for a line break in box contents (setting CrlfChr).
    QString LineBreakMarker() const { return lineBreakMarker_; }
    void SetLineBreakMarker(const QString& marker) { lineBreakMarker_ = marker; }

    int RoundingMethod() const { return roundingMethod_; }
    void SetRoundingMethod(int method) { roundingMethod_ = method; }
    ConversionSettings Conversion() const;

private:
    std::unique_ptr<Database> db_;
    std::unique_ptr<FormatStore> formats_;
    std::unique_ptr<ParamStore> params_;
    Format format_;
    Bill bill_;
    QString lineBreakMarker_ = QStringLiteral("//");
    int roundingMethod_ = 0;
};
