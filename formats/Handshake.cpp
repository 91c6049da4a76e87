#include "formats/Handshake.h"

#include <charconv>

#include "formats/Tokens.h"

namespace {

bool Escaped(unsigned char c) { return c <= ' ' || c == '%' || c == 0x7F; }

}  // namespace

std::string EngineProgram(const std::string& programFolder)
{
    return programFolder + "Vimlo";
}

std::string EndpointFileName(int number)
{
    return "tervox-" + std::to_string(number);
}

std::string MessageLine(std::uint32_t message, const std::string& data)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string line = std::to_string(message);
    if (data.empty())
        return line;
    line += ' ';
    for (char c : data) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (Escaped(byte)) {
            line += '%';
            line += hex[byte >> 4];
            line += hex[byte & 15];
        } else {
            line += c;
        }
    }
    return line;
}

bool ReadMessageLine(const std::string& line, std::uint32_t& message, std::string& data)
{
    std::size_t blank = line.find(' ');
    std::size_t numberEnd = blank == std::string::npos ? line.size() : blank;
    const char* begin = line.data();
    std::from_chars_result number = std::from_chars(begin, begin + numberEnd, message);
    if (numberEnd == 0 || number.ec != std::errc() || number.ptr != begin + numberEnd)
        return false;
    data.clear();
    for (std::size_t i = numberEnd + 1; i < line.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(line[i]);
        if (byte != '%') {
            if (Escaped(byte))
                return false;
            data += line[i];
            continue;
        }
        int high = i + 2 < line.size() ? HexDigit(line[i + 1]) : -1;
        int low = i + 2 < line.size() ? HexDigit(line[i + 2]) : -1;
        if (high < 0 || low < 0)
            return false;
        data += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}
