#include "platform/MessageEndpoint.h"

#include <QLocalSocket>
#include <QMetaObject>
#include <unistd.h>

#include "formats/Handshake.h"
#include "platform/Endpoint.h"

namespace {
constexpr qint64 kLongestLine = 16384;  // a message with the longest path
}

MessageEndpoint::MessageEndpoint(QObject* parent) : QObject(parent)
{
    connect(&server_, &QLocalServer::newConnection, this, &MessageEndpoint::Accept);
}

int MessageEndpoint::Number()
{
    return static_cast<int>(::getpid());
}

bool MessageEndpoint::Listen()
{
    QString name = EndpointName(Number());
    QLocalServer::removeServer(name);  // left by an ended process with our id
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(name);
}

void MessageEndpoint::Accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        Read(socket);
    }
}

void MessageEndpoint::Read(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine(kLongestLine);
        if (!line.endsWith('\n')) {  // longer than any message of ours
            socket->abort();
            return;
        }
        line.chop(line.endsWith("\r\n") ? 2 : 1);
        std::uint32_t message = 0;
        std::string data;
        if (ReadMessageLine(line.toStdString(), message, data))
            QMetaObject::invokeMethod(
                this, [this, message, data] { emit Received(message, data); }, Qt::QueuedConnection);
    }
    if (socket->bytesAvailable() > kLongestLine)
        socket->abort();  // not one of our messages
}
