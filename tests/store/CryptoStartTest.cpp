// The cipher library as the program starts it (tests/common/TestMain.cpp does the same):
// the store's cipher comes from a provider of its own, and it must be the library's
// own AES-256-CBC, byte for byte.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <openssl/rand.h>

#include <vector>

namespace {

std::vector<unsigned char> Encrypt(const EVP_CIPHER* cipher, const std::vector<unsigned char>& key,
                                   const std::vector<unsigned char>& iv, const std::vector<unsigned char>& plain) {
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    std::vector<unsigned char> out(plain.size() + 16);
    int written = 0, last = 0;
    const bool ok = EVP_EncryptInit_ex(context, cipher, nullptr, key.data(), iv.data())
                    && EVP_CIPHER_CTX_set_padding(context, 0)
                    && EVP_EncryptUpdate(context, out.data(), &written, plain.data(), int(plain.size()))
                    && EVP_EncryptFinal_ex(context, out.data() + written, &last);
    EVP_CIPHER_CTX_free(context);
    out.resize(ok ? size_t(written + last) : 0);
    return out;
}

std::vector<unsigned char> Random(size_t size) {
    std::vector<unsigned char> bytes(size);
    EXPECT_EQ(RAND_bytes(bytes.data(), int(size)), 1);
    return bytes;
}

} // namespace

TEST(CryptoStart, TheStoreCipherIsTheLibrarysOwnAesAndRandomNumbersFlow) {
    const EVP_CIPHER* store = EVP_get_cipherbyname("aes-256-cbc");
    ASSERT_NE(store, nullptr);
    ASSERT_NE(EVP_CIPHER_get0_provider(store), nullptr) << "an implementation, not the legacy table";
    EXPECT_STREQ(OSSL_PROVIDER_get0_name(EVP_CIPHER_get0_provider(store)), "vellumark-store-cipher");
    EXPECT_EQ(EVP_CIPHER_get_key_length(store), 32);
    EXPECT_EQ(EVP_CIPHER_get_iv_length(store), 16);

    // A page's worth against the library's usual lookup of the same cipher.
    EVP_CIPHER* usual = EVP_CIPHER_fetch(nullptr, "AES-256-CBC", nullptr);
    ASSERT_NE(usual, nullptr);
    const auto key = Random(32), iv = Random(16), page = Random(1024);
    const auto encrypted = Encrypt(store, key, iv, page);
    EXPECT_EQ(encrypted.size(), page.size());
    EXPECT_EQ(encrypted, Encrypt(usual, key, iv, page));
    EXPECT_NE(encrypted, page);
    EVP_CIPHER_free(usual);
    EXPECT_NE(Random(16), Random(16));
}
