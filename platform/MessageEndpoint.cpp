#include "platform/MessageEndpoint.h"

#include <QLocalSocket>
#include <QMetaObject>
#include <unistd.h>

#include "platform/Endpoint.h"

namespace {
constexpr qint64 kLongestLine = 32;
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
        QByteArray line = socket->readLine(kLongestLine).trimmed();
        bool ok = false;
        std::uint32_t message = line.toUInt(&ok);
        if (ok)
            QMetaObject::invokeMethod(this, [this, message] { emit Received(message); }, Qt::QueuedConnection);
    }
    if (socket->bytesAvailable() > kLongestLine)
        socket->abort();  // not one of our messages
}
