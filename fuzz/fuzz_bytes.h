#pragma once
// Takes bytes off the front of a fuzzer's input to build structured cases.

#include <cstddef>

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
