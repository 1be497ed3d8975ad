#include "app/Session.h"

#include "print/PrinterCorrection.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

Session::Session(std::unique_ptr<Database> db)
    : db_(std::move(db)), formats_(std::make_unique<FormatStore>(*db_)),
      params_(std::make_unique<ParamStore>(*db_)),
      printerProfiles_(std::make_unique<PrinterProfileSource>(*db_)) {}

Session::~Session() = default;
