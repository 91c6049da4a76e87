#include "platform/PostMessage.h"

#include <QByteArray>
#include <QLocalSocket>

#include "platform/Endpoint.h"

bool PostMessage(int endpoint, std::uint32_t message)
{
    if (endpoint <= 0)
        return false;
    QLocalSocket socket;
    socket.connectToServer(EndpointName(endpoint));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(QByteArray::number(message) + "\n");
    bool sent = socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return sent;
}
