#pragma once
// The store's page cipher taken from the cipher library's built-in implementations
// without building all of them. Looking up any cipher the usual way makes the library
// build and name every cipher it has (124 of them) on the first lookup, which cost a
// command more than opening the store. Here the built-in implementation of the one
// cipher is offered by a provider of our own, in a library context of its own, so
// that lookup builds only it; the implementation and its speed are the library's.
#include <openssl/types.h>

// The cipher named `name` (for example "AES-256-CBC"), or nullptr when the library has
// no such built-in cipher. Call once; the cipher and its context live until the
// process ends.
EVP_CIPHER* FetchBuiltInCipherAlone(const char* name);
