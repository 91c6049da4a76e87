#include "platform/Endpoint.h"

#include <QStandardPaths>

QString EndpointName(int number)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/tervox-" +
           QString::number(number);
}
