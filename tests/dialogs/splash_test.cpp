#include "common/application_title.h"
#include "common/error_box.h"
#include "dialogs/splash.h"
#include "dialogs/splash_shape.h"
#include "gui/modal.h"

#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QResource>
#include <QWindow>
#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

TEST(Splash, ThePictureIsADiscOnTheKeyColour)
{
    // Kept uncompressed, so the splash shows it without decoding.
    EXPECT_EQ(QResource(":/splash.ppm").compressionAlgorithm(), QResource::NoCompression);
    const QImage picture = QImage(":/splash.ppm").convertToFormat(QImage::Format_BGR888);
    ASSERT_EQ(picture.size(), QSize(480, 480));
    for (const QPoint corner : {QPoint(0, 0), QPoint(479, 0), QPoint(0, 479), QPoint(479, 479)})
        EXPECT_EQ(picture.pixel(corner), qRgb(255, 0, 255)) << corner.x() << "," << corner.y();
    const std::vector<TRect> rows =
        ScanShape({picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine()});
    ASSERT_EQ(rows.size(), 480u) << "one stretch of picture on every row";
    EXPECT_EQ(rows[240].Left, 0);
    EXPECT_EQ(rows[240].Right, 480);
}

TEST(Splash, TheWindowKeepsOnlyTheDisc)
{
    TForm2 splash;
    const QRegion shape = splash.mask();
    EXPECT_TRUE(shape.contains(QPoint(240, 240)));
    for (const QPoint outside :
         {QPoint(0, 0), QPoint(478, 0), QPoint(0, 478), QPoint(478, 478), QPoint(240, 481), QPoint(480, 240)})
        EXPECT_FALSE(shape.contains(outside)) << outside.x() << "," << outside.y() << " is cut away";
    // The picture is drawn one pixel to the left: so is the shape, and the disc's edges stay on it.
    EXPECT_TRUE(shape.contains(QPoint(0, 240)));
    EXPECT_TRUE(shape.contains(QPoint(478, 240)));
    EXPECT_FALSE(shape.contains(QPoint(479, 240))) << "beyond the picture's last column";
}

TEST(Splash, AWindowOpenedDuringStartUpComesAboveIt)
{
    TForm2 splash;
    splash.ShowNow();
    EXPECT_EQ(splash.Label1->text(), kApplicationTitle);
    EXPECT_TRUE(splash.Image1->isVisible() && splash.Label1->isVisible());
    ASSERT_TRUE(splash.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    bool onTop = true;
    ExpectModal box("Orvelle of Saints", [&](QDialog& d) {
        onTop = splash.windowHandle()->flags() & Qt::WindowStaysOnTopHint;
        d.accept();
    });
    ShowErrorBox("Could not open file [x]");
    EXPECT_FALSE(onTop) << "the splash no longer covers the box";
    EXPECT_TRUE(splash.isVisible());
}
