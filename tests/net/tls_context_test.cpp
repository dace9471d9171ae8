#include "net/tls_context.h"

#include <gtest/gtest.h>
#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>

#include "support/log_capture.h"

namespace {

TEST(tls_context, starts_once_and_keeps_a_context) {
  ASSERT_EQ(init_ssl(), 1);
  SSL_CTX* context = quor_ssl_context();
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(SSL_CTX_get_verify_mode(context), SSL_VERIFY_NONE);
  EXPECT_EQ(SSL_CTX_get_min_proto_version(context), TLS1_VERSION);
  EXPECT_TRUE(SSL_CTX_get_mode(context) & SSL_MODE_ENABLE_PARTIAL_WRITE);
}

TEST(tls_context, dh_parameters_are_safe_primes_with_generator_two) {
  BN_CTX* bn = BN_CTX_new();
  for (int bits : {512, 768, 1024, 1536, 2048, 3072, 4096}) {
    EVP_PKEY* key = get_tmp_dh_callback(nullptr, 0, bits);
    ASSERT_NE(key, nullptr) << bits;
    EXPECT_EQ(get_tmp_dh_callback(nullptr, 1, bits), key) << "built once, " << bits;
    BIGNUM* p = nullptr;
    BIGNUM* g = nullptr;
    ASSERT_TRUE(EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_FFC_P, &p));
    ASSERT_TRUE(EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_FFC_G, &g));
    EXPECT_EQ(BN_num_bits(p), bits);
    EXPECT_TRUE(BN_is_word(g, 2));
    BIGNUM* q = BN_dup(p);
    BN_sub_word(q, 1);
    BN_rshift1(q, q);
    if (bits <= 2048) {
      EXPECT_EQ(BN_check_prime(p, bn, nullptr), 1) << bits;
      EXPECT_EQ(BN_check_prime(q, bn, nullptr), 1) << "(p-1)/2 of " << bits;
    } else {
      // Full checks of the longest primes take seconds; Fermat's test on p and Euler's
      // criterion for 2 (2^q = +-1 mod p) still catch a wrong or mistyped prime.
      BIGNUM* two = BN_new();
      BIGNUM* r = BN_new();
      BIGNUM* p_minus_1 = BN_dup(p);
      BN_sub_word(p_minus_1, 1);
      BN_set_word(two, 2);
      BN_mod_exp(r, two, p_minus_1, p, bn);
      EXPECT_TRUE(BN_is_one(r)) << bits;
      BN_mod_exp(r, two, q, p, bn);
      EXPECT_TRUE(BN_is_one(r) || BN_cmp(r, p_minus_1) == 0) << bits;
      EXPECT_TRUE(BN_is_odd(q)) << bits;
      BN_free(p_minus_1);
      BN_free(r);
      BN_free(two);
    }
    BN_free(q);
    BN_free(p);
    BN_free(g);
  }
  BN_CTX_free(bn);
}

TEST(tls_context, dh_key_lengths_are_checked) {
  log_capture log;
  EXPECT_NE(get_tmp_dh_callback(nullptr, 1, 768), nullptr);
  EXPECT_TRUE(log.contains("Warning in get_tmp_dh_callback(), requested short key length  768, export 1.\n"));
  EXPECT_EQ(get_tmp_dh_callback(nullptr, 0, 2000), nullptr);
  EXPECT_TRUE(log.contains("Warning in get_tmp_dh_callback(), unsupported key length 2000, export 0.\n"));
  log.clear();
  EXPECT_NE(get_tmp_dh_callback(nullptr, 0, 1024), nullptr);
  EXPECT_EQ(log.text(), "");
}

}  // namespace
