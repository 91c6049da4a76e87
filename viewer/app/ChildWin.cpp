#include "viewer/app/ChildWin.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QVBoxLayout>

#include "formats/Paths.h"
#include "platform/Dialogs.h"
#include "viewer/FDT.h"

namespace {

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string CountLine(const char* what, int degree, std::int64_t terms)
{
    return std::string(what) + ": degree " + std::to_string(degree) + ", terms " + std::to_string(terms);
}

}  // namespace

TMDIChild::TMDIChild(QWidget* parent) : ResultChild(parent), Memo1(new QPlainTextEdit(this))
{
    resize(724, 483);
    Memo1->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::OpenFdt(const std::string& path)
{
    model_ = std::make_unique<FDT>();
    if (MainFrame)
        interval_ = MainFrame->Remembered();
    captionBase_ = ExtractFileName(path);
    setWindowTitle(Latin1(captionBase_));
    std::string error;
    if (!model_->LoadParFile(path, error))
        ShowMessage(error);
    ShowModel();
}

void TMDIChild::SavedAs(const std::string& fdtPath)
{
    captionBase_ = ExtractFileName(fdtPath);
    setWindowTitle(Latin1(captionBase_));
    ShowModel();
}

void TMDIChild::ShowModel()
{
    std::string text = captionBase_ + "\n";
    if (model_->loaded) {
        text += CountLine("Numerator", model_->numeratorDegree, model_->numeratorTerms) + "\n";
        text += CountLine("Denominator", model_->denominatorDegree, model_->denominatorTerms) + "\n";
    }
    text += "Frequency interval: " + interval_.start + " - " + interval_.end + (interval_.hz ? " Hz" : " rad/s") +
            "\nEnd time: " + interval_.endTime + " s\n";
    Memo1->setPlainText(Latin1(text));
}

void TMDIChild::CopyToClipboard()
{
    QApplication::clipboard()->setText(Memo1->toPlainText());
}

void TMDIChild::PrintView(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    QFont font("Arial");
    font.setPointSize(10);
    painter.setFont(font);
    int lineHeight = painter.fontMetrics().height();
    int y = lineHeight;
    for (const QString& line : Memo1->toPlainText().split('\n')) {
        painter.drawText(10, y, line);
        y += 2 * lineHeight;
    }
}

void TMDIChild::FormClose()
{
    if (MainFrame)
        MainFrame->Remember(interval_);
}
