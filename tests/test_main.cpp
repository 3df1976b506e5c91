// The unit tests run headless: on Linux, Qt's offscreen platform stands in for
// a display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/afx/afxwin.h"

int main(int argc, char** argv)
{
#ifndef _WIN32
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(argc, argv))
        return 1;
    const int result = RUN_ALL_TESTS();
    AfxWinTerm();
    return result;
}
