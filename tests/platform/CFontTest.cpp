#include "CFont.h"
#include "DrawingObjectCount.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

namespace {

TEST(CFont, CreatesTheCaptionFontFromAFaceThatMayNotBeInstalled)
{
    CFont font;
    // The caption font: cell height 13, bold, Swiss family, Verdana.
    ASSERT_TRUE(font.CreateFont(13, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, u"Verdana"));
    ASSERT_NE(font.Font(), nullptr);
    EXPECT_TRUE(font.Font()->bold());
    const int cell = QFontMetrics(*font.Font()).height();
    EXPECT_LE(cell, 13);
    EXPECT_GE(cell, 11);
    EXPECT_FALSE(QFontInfo(*font.Font()).family().isEmpty());
}

TEST(CFont, HeightAndWeightFollowTheirConventions)
{
    struct Row {
        int height;
        int weight;
        int pixelSize;
        QFont::Weight expectedWeight;
    };
    const Row rows[] = {
        {-20, 0, 20, QFont::Normal},
        {-9, FW_NORMAL, 9, QFont::Normal},
        {-9, 5000, 9, QFont::Weight(1000)},
    };
    for (const Row& row : rows) {
        CFont font;
        font.CreateFont(row.height, 0, 0, 0, row.weight, 1, 0, 0, 0, 0, 0, 0, 0, nullptr);
        EXPECT_EQ(font.Font()->pixelSize(), row.pixelSize) << row.height;
        EXPECT_EQ(font.Font()->weight(), row.expectedWeight) << row.weight;
        EXPECT_TRUE(font.Font()->italic());
    }
}

TEST(CFont, CountsAsOneDrawingObjectWhileCreated)
{
    const int before = LiveDrawingObjects();
    {
        CFont font;
        font.CreateFont(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
        font.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
        EXPECT_EQ(LiveDrawingObjects(), before + 1);
        EXPECT_TRUE(font.DeleteObject());
        EXPECT_EQ(font.GetSafeHandle(), nullptr);
        font.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
