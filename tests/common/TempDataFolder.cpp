#include "common/TempDataFolder.h"

#include "common/TestServer.h"

#include "store/DataFolder.h"
#include "store/DatabaseKey.h"
#include "store/StoreLocation.h"

// Each folder starts with the fixed key: a password an earlier test set stays behind.
// When the program runs against the server store, each folder also gets an empty store
// of its own there.
TempDataFolder::TempDataFolder() {
    DataFolder::SetOverride(dir_.path());
    UseStoreKey({});
    if (TestServer* server = SharedTestServer()) {
        const QString store = server->FreshStore();
        StoreLocation::SetOverride(store);
        // Commands the test starts as programs of their own go to the same store.
        qputenv("VELLUMARK_STORE", store.toUtf8());
    }
}

TempDataFolder::~TempDataFolder() {
    DataFolder::SetOverride(QString());
    UseStoreKey({});
    if (SharedTestServer()) {
        StoreLocation::SetOverride(QString());
        qunsetenv("VELLUMARK_STORE");
    }
}
