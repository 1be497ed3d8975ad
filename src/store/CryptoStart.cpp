#include "store/CryptoStart.h"

#include <openssl/crypto.h>

void StartCryptoLibrary() {
    // The store's cipher and key functions are the library's built-in ones, the same on
    // every machine: the system's configuration file is not read. Its tables live until
    // the process ends and are not torn down at exit, which took longer than a command's
    // own work on the store.
    OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG | OPENSSL_INIT_NO_ATEXIT, nullptr);
}
