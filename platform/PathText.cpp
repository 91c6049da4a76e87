#include "platform/PathText.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/Latin1.h"

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString DisplayText(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArray::fromStdString(text));
    return utf8.hasError() ? Latin1(text) : decoded;
}
