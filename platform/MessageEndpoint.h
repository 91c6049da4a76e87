#pragma once
// The receiving end of posted messages for this process's main window. Each
// message arrives through a queued call, as a posted window message would,
// with the data it carries ("" when none).
#include <QLocalServer>
#include <QObject>
#include <cstdint>
#include <string>

class QLocalSocket;

class MessageEndpoint : public QObject {
    Q_OBJECT
public:
    explicit MessageEndpoint(QObject* parent = nullptr);

    // The number other programs post to (this process's id).
    static int Number();
    // Starts listening, reachable by this user only; false when it cannot.
    bool Listen();

signals:
    void Received(std::uint32_t message, const std::string& data);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QLocalServer server_;
};
