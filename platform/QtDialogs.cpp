#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QStringList>
#include <cstdio>

#include "platform/Display.h"
#include "platform/Latin1.h"
#include "platform/MessageWindow.h"
#include "platform/PathText.h"

namespace {

void WriteToStderr(const std::string& caption, const std::string& text)
{
    std::string line = caption + ": ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i];
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

// "Name|pattern|Name|pattern" as Qt's "Name (pattern)" filters.
QStringList QtFilters(const std::string& filter)
{
    QStringList parts = Latin1(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters;
}

bool RunFileDialog(const FileRequest& request, QFileDialog::AcceptMode mode, std::string& path)
{
    if (Headless())
        return false;
    QFileDialog dialog(QApplication::activeWindow(), Latin1(request.title), PathText(request.initialDir));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters = QtFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    dialog.setDefaultSuffix(Latin1(request.defaultExt));
    if (!request.fileName.empty())
        dialog.selectFile(PathText(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = PathBytes(dialog.selectedFiles().first());
    return true;
}

}  // namespace

MsgResult QtDialogService::Message(const std::string& text, const std::string& caption, MsgIcon icon,
                                   MsgButtons buttons)
{
    if (Headless()) {
        WriteToStderr(caption, text);
        return DefaultAnswer(buttons);
    }
    MessageWindow box(DisplayText(text), Latin1(caption), icon, buttons, QApplication::activeWindow());
    box.exec();
    return box.Answer();
}

bool QtDialogService::OpenFileName(const FileRequest& request, std::string& path)
{
    return RunFileDialog(request, QFileDialog::AcceptOpen, path);
}

bool QtDialogService::SaveFileName(const FileRequest& request, std::string& path)
{
    return RunFileDialog(request, QFileDialog::AcceptSave, path);
}

bool QtDialogService::ChoosePrinter(QPrinter& printer)
{
    if (Headless())
        return false;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
