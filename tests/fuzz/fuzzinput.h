// What the fuzz targets share: reading values from the fuzzer's bytes, and
// stopping loudly when a rule does not hold (libFuzzer keeps the input).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <unistd.h>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int32_t Int()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        return int32_t(value);
    }
    // A number of any size, or more often a small one near the screens.
    int32_t Coordinate()
    {
        const uint8_t kind = Byte();
        return kind < 64 ? Int() : int32_t(int16_t(uint16_t(Byte() << 8 | Byte())));
    }
    // The bytes up to the next separator (or the end).
    std::string_view Until(char separator)
    {
        const char* start = reinterpret_cast<const char*>(m_data) + m_pos;
        const void* found = std::memchr(start, separator, m_size - m_pos);
        const size_t length = found ? size_t(static_cast<const char*>(found) - start) : m_size - m_pos;
        m_pos += found ? length + 1 : length;
        return {start, length};
    }
    std::string_view Rest()
    {
        const std::string_view rest(reinterpret_cast<const char*>(m_data) + m_pos, m_size - m_pos);
        m_pos = m_size;
        return rest;
    }
    bool AtEnd() const { return m_pos >= m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A file of the target's own for the file functions, in $TMPDIR (bench/fuzz.sh
// gives a memory file system, where the program's syncs to disk cost nothing).
inline const std::string& ScratchFile()
{
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string name = std::string(folder && *folder ? folder : "/tmp") + "/tarvik-fuzz-XXXXXX";
        const int fd = mkstemp(name.data());
        if (fd >= 0)
            close(fd);
        return name;
    }();
    return path;
}

inline void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}
