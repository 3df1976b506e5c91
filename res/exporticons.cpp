// Build tool: writes the application icon's images as PNG files for the
// desktop's icon theme. Usage: tarvik_export_icons DIR
#include <cstdio>
#include <string>

#include "platform/afxplatform.h"
#include "res/resource.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string path = std::string(argv[1]) + "/tarvik-" + std::to_string(size) + ".png";
        if (!AfxSaveIconAsPng(IDR_MAINFRAME, size, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
