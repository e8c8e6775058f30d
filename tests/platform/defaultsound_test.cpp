#include "defaultsound.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using platform::alertSoundCandidates;
using platform::xdgDataDirs;

namespace {

struct DataDirsRow
{
    const char* name;
    const char* dataHome;
    const char* dataDirs;
    const char* home;
    std::vector<std::string> expected;
};

void PrintTo(const DataDirsRow& row, std::ostream* out)
{
    *out << row.name;
}

class XdgDataDirs : public ::testing::TestWithParam<DataDirsRow>
{
};

TEST_P(XdgDataDirs, FollowTheBaseDirectoryRules)
{
    const DataDirsRow& row = GetParam();
    EXPECT_EQ(xdgDataDirs(row.dataHome, row.dataDirs, row.home), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, XdgDataDirs,
    ::testing::Values(
        DataDirsRow{"NothingSetButHome",
                    nullptr,
                    nullptr,
                    "/home/u",
                    {"/home/u/.local/share", "/usr/local/share", "/usr/share"}},
        DataDirsRow{"EmptyCountsAsUnset",
                    "",
                    "",
                    "/home/u",
                    {"/home/u/.local/share", "/usr/local/share", "/usr/share"}},
        DataDirsRow{"NoHome", nullptr, "/opt/share", nullptr, {"/opt/share"}},
        DataDirsRow{"DataHomeWinsOverHome", "/data", "/a:/b", "/home/u", {"/data", "/a", "/b"}},
        DataDirsRow{"TrailingSlashesDropped", "/data//", "/a/:/b/", nullptr, {"/data", "/a", "/b"}},
        DataDirsRow{"RelativeAndEmptyEntriesIgnored", "data", "a::/b:./c:", "home", {"/b"}},
        DataDirsRow{"RootStaysRoot", nullptr, "/", nullptr, {"/"}},
        DataDirsRow{"NonAsciiFolder",
                    "/home/ユーザー/.local/share",
                    "/usr/share",
                    nullptr,
                    {"/home/ユーザー/.local/share", "/usr/share"}}),
    [](const ::testing::TestParamInfo<DataDirsRow>& row) { return row.param.name; });

TEST(AlertSoundCandidates, TryBellInEveryFolderBeforeDialogWarning)
{
    const std::vector<std::string> expected = {
        "/home/u/sounds/freedesktop/stereo/bell.oga",
        "/home/u/sounds/freedesktop/stereo/bell.ogg",
        "/home/u/sounds/freedesktop/stereo/bell.wav",
        "/usr/share/sounds/freedesktop/stereo/bell.oga",
        "/usr/share/sounds/freedesktop/stereo/bell.ogg",
        "/usr/share/sounds/freedesktop/stereo/bell.wav",
        "/home/u/sounds/freedesktop/stereo/dialog-warning.oga",
        "/home/u/sounds/freedesktop/stereo/dialog-warning.ogg",
        "/home/u/sounds/freedesktop/stereo/dialog-warning.wav",
        "/usr/share/sounds/freedesktop/stereo/dialog-warning.oga",
        "/usr/share/sounds/freedesktop/stereo/dialog-warning.ogg",
        "/usr/share/sounds/freedesktop/stereo/dialog-warning.wav",
    };
    EXPECT_EQ(alertSoundCandidates({"/home/u", "/usr/share"}), expected);
}

TEST(AlertSoundCandidates, UnderTheRootFolderHaveOneSlash)
{
    EXPECT_EQ(alertSoundCandidates({"/"}).front(), "/sounds/freedesktop/stereo/bell.oga");
}

} // namespace
