#include "platform/PostMessage.h"

#include <QByteArray>
#include <QLocalSocket>

#include "formats/Handshake.h"
#include "platform/Endpoint.h"

bool PostMessage(int endpoint, std::uint32_t message, const std::string& data)
{
    if (endpoint <= 0)
        return false;
    QLocalSocket socket;
    socket.connectToServer(EndpointName(endpoint));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(QByteArray::fromStdString(MessageLine(message, data)) + "\n");
    bool sent = socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return sent;
}
