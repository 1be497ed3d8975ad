#include "common/TempDataFolder.h"

#include "store/DataFolder.h"
#include "store/DatabaseKey.h"

// Each folder starts with the fixed key: a password an earlier test set stays behind.
TempDataFolder::TempDataFolder() {
    DataFolder::SetOverride(dir_.path());
    UseStoreKey({});
}

TempDataFolder::~TempDataFolder() {
    DataFolder::SetOverride(QString());
    UseStoreKey({});
}
