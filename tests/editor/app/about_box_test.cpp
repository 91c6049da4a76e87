#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

#include "editor/app/AboutBox.h"
#include "tests/editor/app/Frame.h"

TEST(AboutBox, BuildTextIsTheLowDoubleWordOfTheProductVersion)
{
    EXPECT_EQ(BuildText((1u << 16) | 57u), "Build 1.57");  // product version 3.0.1.57
    EXPECT_EQ(BuildText(0), "Build 0.0");
    EXPECT_EQ(BuildText(0xFFFFFFFFu), "Build 65535.65535");
    const unsigned compiled[4] = {TERVOX_PRODUCT_VERSION};
    EXPECT_EQ(ProductVersionLS(), (compiled[2] << 16) | compiled[3]);
}

TEST(AboutBox, ShowsItselfAtCreationAndHidesAfterItsTimer)
{
    Frame f;
    TMainForm& form = f.Start();
    TAboutBox box(&form);
    EXPECT_EQ(AboutBox, &box);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.size(), QSize(500, 171));
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_EQ(box.Labinfo->text().toStdString(), BuildText(ProductVersionLS()));
    EXPECT_EQ(box.Labinfo->pos(), QPoint(412, 63));
    EXPECT_EQ(box.Image1->pixmap().size(), QSize(500, 171));
    EXPECT_TRUE(box.Timer1.isActive());
    EXPECT_EQ(box.Timer1.interval(), 5000);

    box.Timer1Timer();  // five seconds later
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.Timer1.isActive());

    form.HelpAboutItemClick();  // shown again for five seconds
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(box.Timer1.isActive());
    box.Timer1Timer();
    EXPECT_FALSE(box.isVisible());
}
