#include "net/tls_context.h"

#include <cstdio>
#include <mutex>
#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>

#include "util/debug_log.h"

namespace {

SSL_CTX* context = nullptr;

const char* cipher_list = "HIGH:@STRENGTH:!aNULL";

// No standard group exists below 768 bits; this one was made with "openssl prime -safe".
const char* safe_prime_512 =
    "C41BF70610E35CE0076E7E28F51F9007C85CD6D3F3FBAF56F3438A69F47972F4"
    "B902D01B2020CC2D1BA971E4ED4F2CB533B9A17840C94E5F3422B5EB9A1B341F";

struct dh_slot {
  int bits;
  EVP_PKEY* key;
};

dh_slot dh_slots[] = {{512, nullptr},  {768, nullptr},  {1024, nullptr}, {1536, nullptr},
                      {2048, nullptr}, {3072, nullptr}, {4096, nullptr}};
std::mutex dh_lock;

// The well-known safe primes of RFC 2409 and RFC 3526 (all with generator 2).
BIGNUM* fixed_prime(int bits) {
  BIGNUM* p = nullptr;
  switch (bits) {
    case 512:
      if (!BN_hex2bn(&p, safe_prime_512)) return nullptr;
      return p;
    case 768: return BN_get_rfc2409_prime_768(nullptr);
    case 1024: return BN_get_rfc2409_prime_1024(nullptr);
    case 1536: return BN_get_rfc3526_prime_1536(nullptr);
    case 2048: return BN_get_rfc3526_prime_2048(nullptr);
    case 3072: return BN_get_rfc3526_prime_3072(nullptr);
    case 4096: return BN_get_rfc3526_prime_4096(nullptr);
    default: return nullptr;
  }
}

EVP_PKEY* build_dh(int bits) {
  BIGNUM* p = fixed_prime(bits);
  BIGNUM* g = BN_new();
  OSSL_PARAM_BLD* builder = OSSL_PARAM_BLD_new();
  OSSL_PARAM* params = nullptr;
  EVP_PKEY_CTX* pctx = nullptr;
  EVP_PKEY* key = nullptr;
  if (p && g && builder && BN_set_word(g, 2) && OSSL_PARAM_BLD_push_BN(builder, OSSL_PKEY_PARAM_FFC_P, p) &&
      OSSL_PARAM_BLD_push_BN(builder, OSSL_PKEY_PARAM_FFC_G, g) && (params = OSSL_PARAM_BLD_to_param(builder)) &&
      (pctx = EVP_PKEY_CTX_new_from_name(nullptr, "DH", nullptr)) && EVP_PKEY_fromdata_init(pctx) > 0) {
    if (EVP_PKEY_fromdata(pctx, &key, EVP_PKEY_KEY_PARAMETERS, params) <= 0) key = nullptr;
  }
  EVP_PKEY_CTX_free(pctx);
  OSSL_PARAM_free(params);
  OSSL_PARAM_BLD_free(builder);
  BN_free(g);
  BN_free(p);
  return key;
}

int init_failed(const char* text) {
  debug_log_message(text, LOG_RESOURCE);
  quor_ssl_log_error((int)ERR_peek_last_error(), LOG_RESOURCE);
  return 0;
}

}  // namespace

void quor_ssl_log_error(int code, int categories) {
  char text[256];
  ERR_error_string_n(ERR_peek_last_error(), text, sizeof text);
  char line[320];
  snprintf(line, sizeof line, "%s - err code %d.", text, code);
  debug_log_message(line, categories);
  ERR_clear_error();
}

int init_ssl() {
  if (!OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr))
    return init_failed("Error in init_ssl(), unable to allocate method?");
  const SSL_METHOD* method = TLS_method();
  if (!method) return init_failed("Error in init_ssl(), unable to allocate method?");
  SSL_CTX* made = SSL_CTX_new(method);
  if (!made) return init_failed("Error in init_ssl(), unable to allocate context?");
  // SSLv2 no longer exists in the library; the lowest version still worth refusing below is TLS 1.0.
  if (!SSL_CTX_set_min_proto_version(made, TLS1_VERSION)) {
    SSL_CTX_free(made);
    return init_failed("Error in init_ssl(), unable to set SSL options to disable SSLv2.");
  }
  if (!SSL_CTX_set_cipher_list(made, cipher_list)) {
    SSL_CTX_free(made);
    return init_failed("Error in init_ssl(), unable to set cipher suite?");
  }
  // The outgoing buffer is written from its front as far as the socket takes it, and it may
  // grow between a write that must be repeated and its repetition.
  SSL_CTX_set_mode(made, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
  // The library no longer asks a callback for DH parameters by key length; the context is given
  // the 2048-bit set up front, which only matters should it ever serve a handshake.
  EVP_PKEY* dh = get_tmp_dh_callback(nullptr, 0, 2048);
  if (dh && EVP_PKEY_up_ref(dh) && !SSL_CTX_set0_tmp_dh_pkey(made, dh)) EVP_PKEY_free(dh);
  // The client accepts any server certificate: the game server's certificate is self-signed.
  SSL_CTX_set_verify(made, SSL_VERIFY_NONE, nullptr);
  if (context) SSL_CTX_free(context);
  context = made;
  return 1;
}

SSL_CTX* quor_ssl_context() { return context; }

EVP_PKEY* get_tmp_dh_callback(SSL*, int is_export, int key_length) {
  for (dh_slot& slot : dh_slots) {
    if (slot.bits != key_length) continue;
    if (key_length < 1024) {
      char line[128];
      snprintf(line, sizeof line, "Warning in get_tmp_dh_callback(), requested short key length %4d, export %d.",
               key_length, is_export);
      debug_log_message(line, LOG_CONNECTION);
    }
    std::lock_guard<std::mutex> guard(dh_lock);
    if (!slot.key) slot.key = build_dh(slot.bits);
    return slot.key;
  }
  char line[128];
  snprintf(line, sizeof line, "Warning in get_tmp_dh_callback(), unsupported key length %4d, export %d.", key_length,
           is_export);
  debug_log_message(line, 0x040);
  return nullptr;
}
