#include "CBitmap.h"
#include "DrawingObjectCount.h"
#include "FixtureResources.h"

#include <gtest/gtest.h>

namespace {

TEST(CBitmap, LoadsByNumberAndReportsItsSize)
{
    struct Row {
        const char* name;
        LPCTSTR resource;
    };
    const Row rows[] = {
        {"MAKEINTRESOURCE", MAKEINTRESOURCE(fixtureGradient)},
        // Only the low 16 bits of an id name a resource.
        {"id above 16 bits", MAKEINTRESOURCE(fixtureGradient + 0x10000)},
    };
    for (const Row& row : rows) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(row.resource)) << row.name;
        BITMAP size;
        EXPECT_EQ(bitmap.GetObject(&size), static_cast<int>(sizeof(BITMAP))) << row.name;
        EXPECT_EQ(size.bmWidth, 3) << row.name;
        EXPECT_EQ(size.bmHeight, 2) << row.name;
    }
}

TEST(CBitmap, AFailedLoadLeavesItEmptyAndFreesWhatItHeld)
{
    struct Row {
        const char* name;
        LPCTSTR resource;
    };
    const Row rows[] = {
        {"no such id", MAKEINTRESOURCE(999)},
        {"string name", u"IDB_ANYTHING"},
        {"null name", nullptr},
        {"malformed bitmap", MAKEINTRESOURCE(fixtureMalformed)},
    };
    const int before = LiveDrawingObjects();
    for (const Row& row : rows) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(fixtureGradient)) << row.name;
        EXPECT_FALSE(bitmap.LoadBitmap(row.resource)) << row.name;
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr) << row.name;
        BITMAP size;
        EXPECT_EQ(bitmap.GetObject(&size), 0) << row.name;
        EXPECT_EQ(LiveDrawingObjects(), before) << row.name;
    }
}

TEST(CBitmap, CountsAsOneDrawingObjectWhileLoaded)
{
    const int before = LiveDrawingObjects();
    {
        CBitmap bitmap;
        EXPECT_EQ(LiveDrawingObjects(), before);
        bitmap.LoadBitmap(fixtureGradient);
        bitmap.LoadBitmap(fixtureQuadrants);
        EXPECT_EQ(LiveDrawingObjects(), before + 1);
        EXPECT_TRUE(bitmap.DeleteObject());
        EXPECT_FALSE(bitmap.DeleteObject());
        bitmap.LoadBitmap(fixtureGradient);
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
