#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "formats/Handshake.h"
#include "platform/Endpoint.h"
#include "platform/MessageEndpoint.h"
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
    EXPECT_EQ(received[0][1].value<std::string>(), "");
}

// A path of any bytes arrives whole; the ends of lines and blanks in it too.
TEST(PostMessage, CarriesItsData)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    const std::string paths[] = {"/r/amp.fdt", " /a b/c%20d\\e=f\r\n.fdt ", "/r/\xC3\xBC" "ber.fdt",
                                 std::string(4096, 'x')};
    for (const std::string& path : paths)
        EXPECT_TRUE(PostMessage(MessageEndpoint::Number(), WM_ANALYSIS_DONE, path));
    while (received.count() < 4 && received.wait(10000)) {
    }
    ASSERT_EQ(received.count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(received[i][0].value<std::uint32_t>(), 33545u);
        EXPECT_EQ(received[i][1].value<std::string>(), paths[i]);
    }
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

namespace {

// Writes the bytes to this process's endpoint as another program would.
void WriteToEndpoint(const QByteArray& bytes)
{
    QLocalSocket socket;
    socket.connectToServer(EndpointName(MessageEndpoint::Number()));
    ASSERT_TRUE(socket.waitForConnected(10000));
    socket.write(bytes);
    ASSERT_TRUE(socket.waitForBytesWritten(10000));
}

}  // namespace

TEST(PostMessage, ReceiverIgnoresWhatIsNotAMessage)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    WriteToEndpoint("hello\n" + QByteArray(100, 'x') + "\n33545 bad%2\n33545 a b\n33545\n");
    ASSERT_TRUE(received.wait(10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received[0][0].value<std::uint32_t>(), 33545u);
}

// A line longer than any message ends the connection: nothing of it arrives.
TEST(PostMessage, ReceiverDropsAnOverlongLine)
{
    MessageEndpoint endpoint;
    ASSERT_TRUE(endpoint.Listen());
    QSignalSpy received(&endpoint, &MessageEndpoint::Received);
    WriteToEndpoint("33545 " + QByteArray(20000, 'x') + "\n33545\n");
    EXPECT_FALSE(received.wait(500));
    EXPECT_EQ(received.count(), 0);
}
