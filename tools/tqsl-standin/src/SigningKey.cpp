#include "SigningKey.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kSaltedMagic[] = "Salted__";
constexpr std::size_t kMagicSize = 8;
constexpr std::size_t kSaltSize = 8;
constexpr std::size_t kAesKeySize = 32;
constexpr std::size_t kAesBlockSize = 16;
// Matches make-certs.sh: real PBKDF2 work, yet quick enough for tests.
constexpr unsigned long kKdfIterations = 10000;

void initialiseGcrypt() {
    if (gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P))
        return;
    gcry_check_version(nullptr);
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
}

struct MpiRelease {
    void operator()(gcry_mpi_t number) const { gcry_mpi_release(number); }
};

struct CipherClose {
    void operator()(gcry_cipher_hd_t cipher) const { gcry_cipher_close(cipher); }
};

// Undoes openssl enc -aes-256-cbc -pbkdf2 -md sha256; no value when the password does not fit.
std::optional<std::string> decrypt(const std::string& file, const std::string& password) {
    const std::size_t header = kMagicSize + kSaltSize;
    if (file.size() <= header || (file.size() - header) % kAesBlockSize != 0)
        return std::nullopt;
    const std::size_t cipherSize = file.size() - header;
    unsigned char keyAndIv[kAesKeySize + kAesBlockSize];
    if (gcry_kdf_derive(password.data(), password.size(), GCRY_KDF_PBKDF2, GCRY_MD_SHA256,
                        file.data() + kMagicSize, kSaltSize, kKdfIterations, sizeof keyAndIv,
                        keyAndIv) != 0)
        return std::nullopt;
    gcry_cipher_hd_t handle = nullptr;
    if (gcry_cipher_open(&handle, GCRY_CIPHER_AES256, GCRY_CIPHER_MODE_CBC, 0) != 0)
        return std::nullopt;
    std::unique_ptr<gcry_cipher_handle, CipherClose> cipher(handle);
    std::string plain(cipherSize, '\0');
    if (gcry_cipher_setkey(handle, keyAndIv, kAesKeySize) != 0 ||
        gcry_cipher_setiv(handle, keyAndIv + kAesKeySize, kAesBlockSize) != 0 ||
        gcry_cipher_decrypt(handle, plain.data(), plain.size(), file.data() + header, cipherSize) !=
            0)
        return std::nullopt;
    const auto padding = static_cast<unsigned char>(plain.back());
    if (padding == 0 || padding > kAesBlockSize ||
        !std::all_of(plain.end() - padding, plain.end(),
                     [padding](char c) { return static_cast<unsigned char>(c) == padding; }))
        return std::nullopt;
    plain.resize(plain.size() - padding);
    return plain;
}

// A usable RSA private key, or null.
Sexp parseRsaKey(const std::string& text) {
    gcry_sexp_t parsed = nullptr;
    if (gcry_sexp_new(&parsed, text.data(), text.size(), 1) != 0)
        return nullptr;
    Sexp key(parsed);
    const Sexp rsa(gcry_sexp_find_token(key.get(), "rsa", 0));
    if (!rsa || gcry_pk_testkey(key.get()) != 0)
        return nullptr;
    return key;
}

} // namespace

bool SigningKey::isEncrypted(const std::string& keyFile) {
    return keyFile.compare(0, kMagicSize, kSaltedMagic) == 0;
}

SigningKey SigningKey::load(const std::string& keyFile, const std::string& password,
                            const std::string& keyFileName) {
    initialiseGcrypt();
    if (isEncrypted(keyFile)) {
        const std::optional<std::string> plain = decrypt(keyFile, password);
        Sexp key = plain ? parseRsaKey(*plain) : nullptr;
        if (!key)
            throw KeyError("The password is not correct");
        return SigningKey(std::move(key));
    }
    Sexp key = parseRsaKey(keyFile);
    if (!key)
        throw KeyError("The private key file " + keyFileName + " is damaged");
    return SigningKey(std::move(key));
}

int SigningKey::signatureSize() const {
    return static_cast<int>((gcry_pk_get_nbits(key_.get()) + 7) / 8);
}

std::vector<unsigned char> SigningKey::sign(const unsigned char* data, std::size_t size) const {
    unsigned char digest[20];
    gcry_md_hash_buffer(GCRY_MD_SHA1, digest, data, size);
    gcry_sexp_t request = nullptr;
    gcry_sexp_t signature = nullptr;
    gcry_error_t error = gcry_sexp_build(&request, nullptr, "(data (flags pkcs1) (hash sha1 %b))",
                                         static_cast<int>(sizeof digest), digest);
    if (!error)
        error = gcry_pk_sign(&signature, request, key_.get());
    const Sexp requestOwner(request);
    const Sexp signatureOwner(signature);
    const Sexp value(signature ? gcry_sexp_find_token(signature, "s", 0) : nullptr);
    const std::unique_ptr<gcry_mpi, MpiRelease> number(
        value ? gcry_sexp_nth_mpi(value.get(), 1, GCRYMPI_FMT_USG) : nullptr);
    const auto width = static_cast<std::size_t>(signatureSize());
    std::vector<unsigned char> result(width, 0);
    std::size_t length = 0;
    if (!error && !number)
        error = gcry_error(GPG_ERR_BAD_SIGNATURE);
    if (!error)
        error = gcry_mpi_print(GCRYMPI_FMT_USG, result.data(), width, &length, number.get());
    if (error)
        throw KeyError(std::string("Signing failed: ") + gcry_strerror(error));
    // The number comes without leading zero bytes; PKCS#1 wants the modulus length.
    std::rotate(result.begin(), result.begin() + length, result.end());
    return result;
}
