#pragma once
// Texts of the program are 8-bit bytes; widgets show them as Latin-1.
#include <QString>
#include <string>

inline QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string Bytes(const QString& text)
{
    return text.toLatin1().toStdString();
}
