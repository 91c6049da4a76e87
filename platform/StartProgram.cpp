#include "platform/StartProgram.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QFile::decodeName(argument.c_str());
    return QProcess::startDetached(QFile::decodeName(program.c_str()), list);
}
