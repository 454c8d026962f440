#pragma once
// What every fuzzer of the Linux readers checks with: a property that does
// not hold stops the run with its text, so that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define OSTREL_PROPERTY(condition)                                                             \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "property does not hold: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                            \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// Takes bytes off the front of the input to build structured cases.
class FuzzBytes {
  public:
    FuzzBytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    unsigned long long Take(int bytes) {
        unsigned long long v = 0;
        for (int i = 0; i < bytes && size_ > 0; ++i, ++data_, --size_) {
            v = v << 8 | *data_;
        }
        return v;
    }

  private:
    const unsigned char* data_;
    std::size_t size_;
};
