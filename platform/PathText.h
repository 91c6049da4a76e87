#pragma once
// File paths are the system's bytes (UTF-8 here), unlike the program's own
// texts, which widgets show as Latin-1 (Latin1.h): the file dialogs take and
// give paths so, and windows and boxes show texts that hold paths decoded.
#include <QString>
#include <string>

QString PathText(const std::string& path);
std::string PathBytes(const QString& path);

// A text that may hold a path: decoded as UTF-8 where it is valid UTF-8,
// else shown byte for byte as Latin-1.
QString DisplayText(const std::string& text);
