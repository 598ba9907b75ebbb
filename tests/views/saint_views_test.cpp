#include "views/saint_views.h"

#include <QTextEdit>
#include <gtest/gtest.h>

using namespace orvelle;

TEST(SaintViews, NamesBoxHoldsOneNamePerLineInListOrder)
{
    const TSaintList day = {{"05.01.", "Zita", "", "", "", "", "", "", "", ""},
                            {"05.01.", "Joseph the Worker", "", "", "", "", "", "", "", ""}};
    QTextEdit box;
    box.setPlainText("left over");
    ShowSaintNames(&box, &day);
    EXPECT_EQ(box.toPlainText(), "Zita\nJoseph the Worker");
    EXPECT_EQ(box.textCursor().position(), 0);
    ShowSaintNames(&box, nullptr);
    EXPECT_TRUE(box.toPlainText().isEmpty()) << "no table: the box is only cleared";
    const TSaintList none;
    ShowSaintNames(&box, &none);
    EXPECT_TRUE(box.toPlainText().isEmpty());
}

TEST(SaintViews, DetailsKeepTheBracketsOfAnEmptyNote)
{
    const TSaintRecord record = {
        "07.22.", "Mary Magdalene", "", "", "Witness of the resurrection.", "", "", "", "", ""};
    QTextEdit box;
    ShowSaintDetails(&box, record);
    EXPECT_EQ(box.toPlainText(), "Mary Magdalene - (  )\nWitness of the resurrection.\n");
}

TEST(SaintViews, TwentyNinthOfFebruaryFallsBackOnlyInCommonYears)
{
    const TSaintRecord leap = {"02.29.", "Oswald", "", "", "", "", "", "", "", ""};
    EXPECT_EQ(SaintDayInYear(leap, 2024), EncodeDate(2024, 2, 29));
    EXPECT_EQ(SaintDayInYear(leap, 2100), EncodeDate(2100, 2, 28));
    const TSaintRecord christmas = {"12.25.", "Anastasia", "", "", "", "", "", "", "", ""};
    EXPECT_EQ(SaintDayInYear(christmas, 1900), EncodeDate(1900, 12, 25));
}
