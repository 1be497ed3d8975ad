#include "app/Session.h"

#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

Session::Session(std::unique_ptr<Database> db)
    : db_(std::move(db)), formats_(std::make_unique<FormatStore>(*db_)),
      params_(std::make_unique<ParamStore>(*db_)) {}

Session::~Session() = default;
