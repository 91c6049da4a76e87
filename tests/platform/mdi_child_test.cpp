#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/MdiChild.h"

namespace {

// Answers its close question from a list and records what happens to it.
class AskingChild : public MdiChild {
public:
    bool FormCloseQuery() override
    {
        ++questions;
        return agree;
    }
    void FormClose() override { ++closes; }

    bool agree = true;
    int questions = 0;
    int closes = 0;
};

struct Area {
    Area() { area.show(); }
    AskingChild* Add()
    {
        auto* child = new AskingChild;
        QMdiSubWindow* sub = area.addSubWindow(child);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        return child;
    }
    QMdiArea area;
};

void ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST(MdiChild, ClosesWithItsSubWindowThroughItsQuestion)
{
    Area area;
    AskingChild* child = area.Add();
    QPointer<QWidget> sub = child->parentWidget();
    child->agree = false;
    child->CloseWindow();
    ProcessEvents();
    ASSERT_TRUE(sub);
    EXPECT_EQ(child->questions, 1);
    EXPECT_EQ(child->closes, 0);
    child->agree = true;
    child->CloseWindow();
    ProcessEvents();
    EXPECT_FALSE(sub);
}

TEST(MdiChild, WhatWaitsForIdleRunsAfterTheBusyTimeInOrder)
{
    Area area;
    AskingChild* child = area.Add();
    std::vector<std::string> ran;
    child->WhenIdle([&] { ran.push_back("now"); });
    EXPECT_EQ(ran, std::vector<std::string>{"now"});
    {
        MdiChild::BusyScope outer(*child);
        {
            MdiChild::BusyScope inner(*child);
            child->WhenIdle([&] { ran.push_back("first"); });
        }
        child->WhenIdle([&] { ran.push_back("second"); });
        ProcessEvents();
        EXPECT_TRUE(child->Busy());
        EXPECT_EQ(ran.size(), 1u);
    }
    EXPECT_FALSE(child->Busy());
    EXPECT_EQ(ran.size(), 1u) << "not inside the handler that ends the busy time";
    ProcessEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"now", "first", "second"}));
}

// Closing a window inside its long loop would free what the loop works on.
TEST(MdiChild, ABusyWindowClosesWhenIdle)
{
    Area area;
    AskingChild* child = area.Add();
    QPointer<QWidget> sub = child->parentWidget();
    {
        MdiChild::BusyScope busy(*child);
        child->CloseWindow();
        child->CloseWindow();
        ProcessEvents();
        ASSERT_TRUE(sub);
        EXPECT_EQ(child->questions, 0);
    }
    ProcessEvents();
    ProcessEvents();
    EXPECT_FALSE(sub);
}
