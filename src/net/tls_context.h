// The process-wide TLS client context and its temporary Diffie-Hellman parameters.
#pragma once

#include <openssl/ssl.h>

// Starts the TLS library and creates the one context; 1 on success, 0 (logged) on failure.
int init_ssl();
// The context made by init_ssl(), or null before it succeeded.
SSL_CTX* quor_ssl_context();

// Fixed Diffie-Hellman parameters (a safe prime and the generator 2) for the key lengths
// 512, 768, 1024, 1536, 2048, 3072 and 4096 bits; built on first use and kept for the
// process. Null for any other length.
EVP_PKEY* get_tmp_dh_callback(SSL* ssl, int is_export, int key_length);

// Logs the library's text for its latest queued error as "text - err code N." with the
// given code, then empties the queue so the next call's error report starts clean.
void quor_ssl_log_error(int code, int categories);
