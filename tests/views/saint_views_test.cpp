#include "views/saint_views.h"

#include <QFontMetrics>
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

TEST(SaintViews, ALineTooLongKeepsItsDayAndShortensTheName)
{
    QFont font("Arial");
    font.setPixelSize(16);
    const QFontMetrics metrics(font);
    const int width = 200;
    const QString ellipsis = QString::fromUtf8("\xE2\x80\xA6");
    struct Case {
        QString line, end;
    } cases[] = {
        {"Saint Narcisa de Jesus Martillo Moran - 08.12", ellipsis + " - 08.12"},
        {"Saint Jean - Baptiste de la Salle of Reims - 07.04", ellipsis + " - 07.04"}, // " - " in the name
    };
    for (const auto& c : cases) {
        const QString fitted = FitSaintLine(c.line, metrics, width);
        EXPECT_TRUE(fitted.endsWith(c.end)) << fitted.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(fitted), width) << fitted.toStdString();
        const QString kept = fitted.chopped(c.end.size());
        EXPECT_FALSE(kept.isEmpty());
        EXPECT_TRUE(c.line.startsWith(kept)) << "the name is cut at its end: " << kept.toStdString();
    }
    EXPECT_EQ(FitSaintLine("Anne - 26.07", metrics, width), "Anne - 26.07") << "a line that fits stays";
}
