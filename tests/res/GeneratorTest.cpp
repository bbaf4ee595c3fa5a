// The committed bitmaps are exactly what the generator draws now, so none is touched up by
// hand while the generator says otherwise.

#include "SkinBitmaps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

std::set<std::string> fileNames(const std::filesystem::path& directory)
{
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(directory)) {
        names.insert(item.path().filename().string());
    }
    return names;
}

TEST(SkinGenerator, CommittedBitmapsAreWhatItDrawsNow)
{
    const std::filesystem::path output = std::filesystem::path(SKIN_REGENERATED_DIRECTORY);
    std::filesystem::remove_all(output);
    // -B: no byte-code files written into the source tree.
    const std::string command = std::string("'") + SKIN_PYTHON + "' -B '" + SKIN_GENERATOR + "' '"
        + output.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::filesystem::path committed(SKIN_BITMAP_DIRECTORY);
    EXPECT_EQ(fileNames(committed), fileNames(output));
    for (const std::string& name : fileNames(output)) {
        const auto drawn = readFileBytes(output / name);
        const auto kept = readFileBytes(committed / name);
        ASSERT_TRUE(drawn && kept) << name;
        EXPECT_TRUE(*drawn == *kept) << name << " differs from what the generator draws";
    }
    std::filesystem::remove_all(output);
}

} // namespace
