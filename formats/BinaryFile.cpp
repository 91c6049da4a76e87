#include "formats/BinaryFile.h"

#include <algorithm>

OutFile::OutFile(std::size_t bufferSize) : buffer_(bufferSize ? bufferSize : 1) {}

OutFile::~OutFile() { Close(); }

bool OutFile::Open(const std::string& path, const char* mode)
{
    Close();
    failed_ = false;
    used_ = 0;
    file_ = std::fopen(path.c_str(), mode);
    if (file_)
        std::setvbuf(file_, nullptr, _IONBF, 0);
    return file_ != nullptr;
}

bool OutFile::Flush()
{
    if (used_ == 0)
        return !failed_;
    if (!file_ || std::fwrite(buffer_.data(), 1, used_, file_) != used_)
        failed_ = true;
    used_ = 0;
    return !failed_;
}

void OutFile::Spill(const void* data, std::size_t n)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (n > 0) {
        if (used_ == buffer_.size())
            Flush();
        std::size_t part = std::min(n, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes, part);
        used_ += part;
        bytes += part;
        n -= part;
    }
}

bool OutFile::Close()
{
    if (!file_)
        return !failed_;
    Flush();
    if (std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    return !failed_;
}

InFile::InFile(std::size_t bufferSize) : buffer_(bufferSize ? bufferSize : 1) {}

InFile::~InFile() { Close(); }

bool InFile::Open(const std::string& path)
{
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

void InFile::Close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    pos_ = end_ = 0;
    shortRead_ = false;
}

bool InFile::Refill(void* data, std::size_t n)
{
    auto* out = static_cast<std::uint8_t*>(data);
    while (n > 0) {
        if (pos_ == end_) {
            pos_ = end_ = 0;
            if (!file_) {
                shortRead_ = true;
                return false;
            }
            end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            if (end_ == 0) {
                shortRead_ = true;
                return false;
            }
        }
        std::size_t part = std::min(n, end_ - pos_);
        std::memcpy(out, buffer_.data() + pos_, part);
        pos_ += part;
        out += part;
        n -= part;
    }
    return true;
}

bool InFile::AtEnd()
{
    if (pos_ < end_)
        return false;
    pos_ = end_ = 0;
    if (file_)
        end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    return end_ == 0;
}

const std::uint8_t* InFile::Peek(std::size_t n, std::size_t& available)
{
    n = std::min(n, buffer_.size());
    if (end_ - pos_ < n) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
        while (file_ && end_ < n) {
            std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
            if (got == 0)
                break;
            end_ += got;
        }
    }
    available = end_ - pos_;
    return buffer_.data() + pos_;
}
