#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one ends the run so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// Whether `text` is wholly valid UTF-8.
bool IsValidUtf8(const char* text, std::size_t size);
