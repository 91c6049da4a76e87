#include "platform/Endpoint.h"

#include <QStandardPaths>

#include "formats/Handshake.h"

QString EndpointName(int number)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/" +
           QString::fromStdString(EndpointFileName(number));
}
