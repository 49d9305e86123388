// The fuzz targets' one way to report a broken property: the message on
// standard error and an abort, which libFuzzer records as a crash together
// with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, message)                                              \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "%s:%d: %s (%s)\n", __FILE__, __LINE__, message,   \
                         #condition);                                               \
            std::abort();                                                           \
        }                                                                           \
    } while (false)
