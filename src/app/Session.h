#pragma once
// What the open window shares with the designer and print modules: the one database
// connection, the document of the open format (its records, bill, selection and
// undo steps), and the entry settings read at start-up.
#include "document/EntrySettings.h"
#include "document/FormatDocument.h"

#include <memory>

class Database;
class FormatStore;
class ParamStore;
class PrinterProfileSource;

class Session {
public:
    explicit Session(std::unique_ptr<Database> db);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Database& Db() { return *db_; }
    FormatStore& Formats() { return *formats_; }
    ParamStore& Params() { return *params_; }

    // The open format and its bill; every change goes through the document. The
    // format's name is empty while none is open.
    FormatDocument& Document() { return document_; }
    const Format& CurrentFormat() const { return document_.GetFormat(); }
    bool HasFormat() const { return document_.IsOpen(); }
    const Bill& CurrentBill() const { return document_.GetBill(); }

    // The text that stands for a line break in box contents (setting CrlfChr) and the
    // rounding method (parameter NumCutMethod); the open format's controller reads them.
    const EntrySettings& Settings() const { return settings_; }
    QString LineBreakMarker() const { return settings_.lineBreakMarker; }
    void SetLineBreakMarker(const QString& marker) { settings_.lineBreakMarker = marker; }
    int RoundingMethod() const { return settings_.roundingMethod; }
    void SetRoundingMethod(int method) { settings_.roundingMethod = method; }

private:
    std::unique_ptr<Database> db_;
    std::unique_ptr<FormatStore> formats_;
    std::unique_ptr<ParamStore> params_;
    std::unique_ptr<PrinterProfileSource> printerProfiles_; // print jobs use this store's profiles
    FormatDocument document_;
    EntrySettings settings_;
};
