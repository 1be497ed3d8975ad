#include "store/StoreCipherProvider.h"

#include <openssl/core_dispatch.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <strings.h>
#include <string_view>

namespace {

constexpr char kProviderName[] = "vellumark-store-cipher";
constexpr char kProviderProperty[] = "provider=vellumark-store-cipher";

// The library's built-in provider and the one cipher of it offered again, with the
// list's end marker after it.
OSSL_PROVIDER* builtIn = nullptr;
OSSL_ALGORITHM offered[2] = {};

const OSSL_ALGORITHM* QueryOperation(void*, int operation, int* noCache) {
    *noCache = 0;
    return operation == OSSL_OP_CIPHER ? offered : nullptr;
}

// The implementations run with the built-in provider's own context, as they would
// under it.
int StartProvider(const OSSL_CORE_HANDLE*, const OSSL_DISPATCH*, const OSSL_DISPATCH** out,
                  void** providerContext) {
    static const OSSL_DISPATCH functions[] = {
        {OSSL_FUNC_PROVIDER_QUERY_OPERATION, reinterpret_cast<void (*)()>(&QueryOperation)},
        {0, nullptr},
    };
    *out = functions;
    *providerContext = OSSL_PROVIDER_get0_provider_ctx(builtIn);
    return 1;
}

// Whether `names` (an entry's names, separated by colons) holds `name`, in any case.
bool NamesHold(std::string_view names, std::string_view name) {
    while (!names.empty()) {
        const size_t end = names.find(':');
        const std::string_view one = names.substr(0, end);
        if (one.size() == name.size() && strncasecmp(one.data(), name.data(), name.size()) == 0) return true;
        if (end == std::string_view::npos) break;
        names.remove_prefix(end + 1);
    }
    return false;
}

const OSSL_ALGORITHM* Find(const OSSL_ALGORITHM* algorithms, std::string_view name) {
    for (; algorithms && algorithms->algorithm_names; ++algorithms)
        if (NamesHold(algorithms->algorithm_names, name)) return algorithms;
    return nullptr;
}

} // namespace

EVP_CIPHER* FetchBuiltInCipherAlone(const char* name) {
    builtIn = OSSL_PROVIDER_load(nullptr, "default");
    if (!builtIn) return nullptr;
    int noCache = 0;
    const OSSL_ALGORITHM* all = OSSL_PROVIDER_query_operation(builtIn, OSSL_OP_CIPHER, &noCache);
    const OSSL_ALGORITHM* found = Find(all, name);
    if (!found) return nullptr;
    // Its own provider's name, not the built-in one's, in case a lookup asks for it.
    offered[0] = {found->algorithm_names, kProviderProperty, found->implementation, found->algorithm_description};
    OSSL_LIB_CTX* own = OSSL_LIB_CTX_new();
    if (!own || !OSSL_PROVIDER_add_builtin(own, kProviderName, &StartProvider)
        || !OSSL_PROVIDER_load(own, kProviderName))
        return nullptr;
    return EVP_CIPHER_fetch(own, name, nullptr);
}
