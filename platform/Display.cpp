#include "platform/Display.h"

#include <QGuiApplication>

bool Headless()
{
    QString name = QGuiApplication::platformName();
    return name == "offscreen" || name == "minimal";
}
