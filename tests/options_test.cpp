// The program's command-line options.
#include <gtest/gtest.h>

#include "app/options.h"

namespace {

TEST(Options, Rows)
{
    const struct {
        std::vector<std::string> args;
        Options::Action action;
        const char* detail;  // the snapshot's path, or the problem
        bool onTop = false;
        bool autostartOn = false;
    } rows[] = {
        {{}, Options::Run, ""},
        {{"notes.vst"}, Options::Run, ""},
        {{"--", "-strange-name.vst"}, Options::Run, ""},
        {{"-h"}, Options::Help, ""},
        {{"--help"}, Options::Help, ""},
        {{"notes.vst", "--help"}, Options::Help, ""},
        {{"--version"}, Options::Version, ""},
        {{"--snapshot", "face.png"}, Options::Snapshot, "face.png"},
        {{"--snapshot", "Face.PNG"}, Options::Snapshot, "Face.PNG"},
        {{"--snapshot", "face"}, Options::Snapshot, "face"},
        {{"--snapshot", "shots.jpg/face"}, Options::Snapshot, "shots.jpg/face"},
        {{"--snapshot", "face.out"}, Options::Snapshot, "face.out"},
        {{"--snapshot", "a.jpg"}, Options::Wrong, "--snapshot writes PNG files only, not .jpg (a.jpg)"},
        {{"--snapshot", "a.JPEG"}, Options::Wrong, "--snapshot writes PNG files only, not .jpeg (a.JPEG)"},
        {{"--snapshot", "dir/x.webp"}, Options::Wrong, "--snapshot writes PNG files only, not .webp (dir/x.webp)"},
        {{"--snapshot"}, Options::Wrong, "--snapshot takes one file name and nothing else"},
        {{"--snapshot", "a.png", "b.png"}, Options::Wrong, "--snapshot takes one file name and nothing else"},
        {{"--bogus"}, Options::Wrong, "unknown option --bogus"},
        {{"-x", "notes.vst"}, Options::Wrong, "unknown option -x"},
        {{"--snapshot", ""}, Options::Wrong, "--snapshot takes one file name and nothing else"},
        // What is reported stays one line, without a terminal's escapes.
        {{"--x\n\x1b[2J"}, Options::Wrong, "unknown option --x\\x0A\\x1B[2J"},
        {{"--snapshot", "a\r.jpg"}, Options::Wrong, "--snapshot writes PNG files only, not .jpg (a\\x0D.jpg)"},
        {{"a.vst", "b.vst"}, Options::Wrong, "only one FILE can be opened"},
        {{"--on-top"}, Options::Run, "", true},
        {{"--on-top", "notes.vst"}, Options::Run, "", true},
        {{"--autostart", "on"}, Options::Autostart, "", false, true},
        {{"--autostart", "on", "--on-top"}, Options::Autostart, "", true, true},
        {{"--autostart", "off"}, Options::Autostart, ""},
        {{"--autostart"}, Options::Wrong, "--autostart takes on or off"},
        {{"--autostart", "yes"}, Options::Wrong, "--autostart takes on or off"},
        {{"--autostart", "on", "--autostart", "off"}, Options::Wrong, "--autostart takes on or off"},
        {{"--autostart", "on", "notes.vst"}, Options::Wrong, "--autostart opens no FILE"},
        {{"--on-top", "--autostart", "off"}, Options::Wrong, "--on-top goes with --autostart on, not off"},
    };
    for (const auto& row : rows) {
        const Options options = ParseOptions(row.args);
        std::string args;
        for (const std::string& arg : row.args)
            args += arg + " ";
        EXPECT_EQ(options.action, row.action) << args;
        EXPECT_EQ(row.action == Options::Snapshot ? options.snapshotPath : options.problem, row.detail) << args;
        if (row.action != Options::Wrong) {
            EXPECT_EQ(options.onTop, row.onTop) << args;
            EXPECT_EQ(options.autostartOn, row.autostartOn) << args;
        }
    }
}

}  // namespace
