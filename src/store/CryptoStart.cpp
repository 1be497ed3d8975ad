#include "store/CryptoStart.h"

#include "store/StoreCipherProvider.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/rand.h>

void StartCryptoLibrary() {
    // The store's cipher and key functions are the library's built-in ones, the same on
    // every machine: the system's configuration file is not read. Its tables live until
    // the process ends and are not torn down at exit, which took longer than a command's
    // own work on the store. Error texts are not loaded; the store reports its own. No
    // digest is named either: the store's key and page checks take SHA-1 as an object,
    // never by name, and naming them all made the library's first lookup sort through
    // every digest's names.
    OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG | OPENSSL_INIT_NO_ATEXIT | OPENSSL_INIT_NO_ADD_ALL_CIPHERS
                            | OPENSSL_INIT_NO_ADD_ALL_DIGESTS | OPENSSL_INIT_NO_LOAD_CRYPTO_STRINGS,
                        nullptr);
    // The random numbers of the store's pages (each page's IV) come from the hash
    // generator over SHA-256: the library's usual counter generator would look up
    // AES-256-CTR and so build every cipher the library has.
    RAND_set_DRBG_type(nullptr, "HASH-DRBG", nullptr, nullptr, "SHA256");
    // The cipher the store looks up by name is its own alone (AES-256-CBC), and it is
    // the implementation itself, fetched once: the built-in table's entry is looked up
    // again each time a page is encrypted or decrypted. It lives until the process
    // ends. (Names are matched without regard to case.)
    EVP_CIPHER* cipher = FetchBuiltInCipherAlone("AES-256-CBC");
    if (!cipher || !OBJ_NAME_add("AES-256-CBC", OBJ_NAME_TYPE_CIPHER_METH, reinterpret_cast<const char*>(cipher)))
        EVP_add_cipher(EVP_aes_256_cbc());
}
