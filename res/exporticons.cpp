// Build tool: writes the application icon's images as PNG files for the
// desktop's icon theme, and each icon resource as an ICO file for the Windows
// executable (icon-128.ico, ...). Usage: tarvik_export_icons DIR
#include <cstdio>
#include <string>
#include <vector>

#include "platform/afx/afxbackend.h"
#include "platform/win/imagefile.h"
#include "res/resource.h"

namespace {

bool WriteIco(UINT nID, const std::string& path)
{
    std::vector<AfxPixels> pictures;
    for (int size : {16, 24, 32, 48, 64, 256})
        pictures.push_back(AfxIconPixels(nID, size));
    const std::string bytes = AfxEncodeIco(pictures);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string path = dir + "/tarvik-" + std::to_string(size) + ".png";
        if (!AfxSaveIconAsPng(IDR_MAINFRAME, size, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    for (UINT nID : {IDR_MAINFRAME, IDI_SPARE}) {
        const std::string path = dir + "/icon-" + std::to_string(nID) + ".ico";
        if (!WriteIco(nID, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
