// Fuzz target for the INI engine: any bytes as the file, a write of one key
// through the engine, and checks that the write reads back and kept the rest.
//
// Input: byte 0 picks the section, byte 1 the key, byte 2 the value, byte 3
// whether the file functions are used too; the remaining bytes are the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzzinput.h"
#include "platform/posix/inifileio.h"
#include "platform/win/inifile.h"
#include "platform/win/winbase.h"

namespace {

const char* const kSections[] = {"SETTING", "setting", "Recent File List", "S", ""};
const char* const kKeys[] = {"WINTOP", "bars", "K", "x y", "UPDATE"};
const char* const kValues[] = {"0", "-3", "NNNNYYY", "a b", "", "x=y", "\"q"};

template <size_t N>
const char* Pick(const char* const (&table)[N], uint8_t byte)
{
    return table[byte % N];
}

void CheckFileFunctions(const std::string& text, const char* section, const char* key, const char* value)
{
    const std::string& path = ScratchFile();
    Check(ini::ReplaceFile(path, text), "ReplaceFile failed on a scratch file");
    Check(WritePrivateProfileStringA(section, key, value, path.c_str()), "write failed");
    char buffer[256];
    GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, path.c_str());
    Check(std::string(buffer) == value, "file write did not read back");
    GetPrivateProfileIntA(section, key, 7, path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const char* section = Pick(kSections, data[0]);
    const char* key = Pick(kKeys, data[1]);
    const char* value = Pick(kValues, data[2]);
    const bool useFiles = (data[3] & 0x3F) == 0;
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    const auto before = ini::FindValue(text, section, key);
    if (before)
        ini::ParseInt(*before);

    const auto written = ini::WithValue(text, section, key, value);
    if (!written) {
        Check(before && *before == value, "write skipped although the value differs");
    } else {
        Check(ini::FindValue(*written, section, key) == std::string(value), "written value does not read back");
        Check(written->size() >= text.size() - (before ? before->size() + 2 : 0), "write lost bytes");
        // Another key of the file reads the same before and after the write.
        const char* other = Pick(kKeys, uint8_t(data[1] + 1));
        if (std::string(other) != key)
            Check(ini::FindValue(text, section, other) == ini::FindValue(*written, section, other),
                  "write changed another key");
    }

    if (useFiles)
        CheckFileFunctions(text, section, key, value);
    return 0;
}
