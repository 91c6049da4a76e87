// The speed bar's Cursor button and the cursor window agree, whichever of
// the two the user works.
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "tests/editor/app/Frame.h"
#include "viewer/app/FormCur.h"

TEST(CursorWindow, TheCursorButtonAndTheWindowAgree)
{
    Frame f;
    TMainForm& form = f.Start();
    TFormCur cursor(&form);
    form.FormCur = &cursor;
    form.ButtCur->setEnabled(true);
    QTest::mouseClick(form.ButtCur, Qt::LeftButton);
    EXPECT_TRUE(cursor.isVisible());
    cursor.close();  // its close box
    EXPECT_FALSE(form.ButtCur->isChecked());
    QTest::mouseClick(form.ButtCur, Qt::LeftButton);
    EXPECT_TRUE(cursor.isVisible());
    EXPECT_TRUE(form.ButtCur->isChecked());
    QTest::mouseClick(form.ButtCur, Qt::LeftButton);
    EXPECT_FALSE(cursor.isVisible());
    EXPECT_FALSE(form.ButtCur->isChecked());
}
