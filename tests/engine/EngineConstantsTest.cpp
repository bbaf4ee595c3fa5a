#include "EngineConstants.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

TEST(EngineConstants, HaveTheirExactBits)
{
    struct Row {
        const char* name;
        double value;
        std::uint64_t bits;
    };
    const Row rows[] = {
        {"pi", EngineConstants::kPi, 0x400921FB54442D18},
        {"e", EngineConstants::kE, 0x4005BF0A8B145769},
        {"1/180", EngineConstants::kOneOver180, 0x3F76C16C16C16C17},
        {"1/3", EngineConstants::kOneThird, 0x3FD5555555555555},
        {"1/100", EngineConstants::kOneHundredth, 0x3F847AE147AE147B},
        {"factorial tolerance", EngineConstants::kFactorialTolerance, 0x3F50624DD2F1A9FC},
        // The double nearest pi/180, 0.017453292519943295.
        {"radians per degree", EngineConstants::kRadiansPerDegree, 0x3F91DF46A2529D39},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(row.value), row.bits) << row.name;
    }
}

}
