#pragma once
// Buffered binary files for the network-function records: one large buffer,
// no allocation per record, every failure remembered.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class OutFile {
public:
    explicit OutFile(std::size_t bufferSize = 1 << 16);
    ~OutFile();
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    // mode is "wb" or "ab"; false when the file cannot be opened.
    bool Open(const std::string& path, const char* mode);

    void Put(const void* data, std::size_t n)
    {
        if (n <= buffer_.size() - used_) {
            std::memcpy(buffer_.data() + used_, data, n);
            used_ += n;
        } else {
            Spill(data, n);
        }
    }

    // Writes out the buffer; false once any write has failed.
    bool Flush();
    // Flushes and closes; false when anything written was lost.
    bool Close();
    bool Failed() const { return failed_; }

private:
    void Spill(const void* data, std::size_t n);

    std::FILE* file_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

class InFile {
public:
    explicit InFile(std::size_t bufferSize = 1 << 16);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    bool Open(const std::string& path);
    void Close();

    // Reads exactly n bytes; false at end of file, which ShortRead then tells.
    bool Get(void* data, std::size_t n)
    {
        if (n <= end_ - pos_) {
            std::memcpy(data, buffer_.data() + pos_, n);
            pos_ += n;
            return true;
        }
        return Refill(data, n);
    }
    bool ShortRead() const { return shortRead_; }
    // The unread bytes in the buffer, after reading so that at least n (at most
    // the buffer size) are there unless the file ends first; available tells
    // how many there are. The pointer holds until the next read.
    const std::uint8_t* Peek(std::size_t n, std::size_t& available);
    // Consumes n of the bytes that Peek made available.
    void Skip(std::size_t n) { pos_ += std::min(n, end_ - pos_); }
    // True when nothing is left to read.
    bool AtEnd();

private:
    bool Refill(void* data, std::size_t n);

    std::FILE* file_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool shortRead_ = false;
};
