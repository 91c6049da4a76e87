#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "platform/Endpoint.h"
#include "platform/MessageEndpoint.h"
#include "platform/Messages.h"
#include "platform/PostMessage.h"
#include "tests/platform/EndedProcess.h"

TEST(PostMessage, ArrivesThroughAQueuedCall)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    EXPECT_TRUE(PostMessage(MessageEndpoint::Number(), WM_ANALYSIS_DONE));
    EXPECT_TRUE(PostMessage(MessageEndpoint::Number(), 7));
    EXPECT_EQ(received.count(), 0);  // posted, not sent
    ASSERT_TRUE(received.wait(10000));
    while (received.count() < 2 && received.wait(10000)) {
    }
    ASSERT_EQ(received.count(), 2);
    EXPECT_EQ(received[0][0].value<std::uint32_t>(), 33545u);
    EXPECT_EQ(received[1][0].value<std::uint32_t>(), 7u);
}

TEST(PostMessage, ZeroOrStaleNumberGoesNowhere)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    EXPECT_FALSE(PostMessage(0, WM_ANALYSIS_DONE));
    EXPECT_FALSE(PostMessage(-3, WM_ANALYSIS_DONE));
    EXPECT_FALSE(PostMessage(EndedProcess(), WM_ANALYSIS_DONE));
    QCoreApplication::processEvents();
    EXPECT_EQ(received.count(), 0);
}

TEST(PostMessage, EndpointIsForThisUserOnly)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QFileInfo socket(EndpointName(MessageEndpoint::Number()));
    ASSERT_TRUE(socket.exists());
    EXPECT_EQ(socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
}

TEST(PostMessage, ReceiverIgnoresWhatIsNotAMessage)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    QLocalSocket socket;
    socket.connectToServer(EndpointName(MessageEndpoint::Number()));
    ASSERT_TRUE(socket.waitForConnected(10000));
    socket.write("hello\n" + QByteArray(100, 'x') + "\n33545\n");
    ASSERT_TRUE(socket.waitForBytesWritten(10000));
    ASSERT_TRUE(received.wait(10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received[0][0].value<std::uint32_t>(), 33545u);
}
