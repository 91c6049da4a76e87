#include "editor/app/FixedDialog.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QScreen>

#include "platform/Dialogs.h"

FixedDialog::FixedDialog(QWidget* parent, const char* caption, bool toolWindow, bool stayOnTop)
    : QDialog(parent), OK(new QPushButton("OK", this)), Cancel(new QPushButton("Cancel", this))
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (toolWindow)
        flags |= Qt::Tool;
    if (stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
    OK->setDefault(true);
    OK->setAutoDefault(true);
    Cancel->setAutoDefault(false);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FixedDialog::AddButtons(QBoxLayout* layout, bool okAccepts)
{
    if (okAccepts)
        connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OK);
    row->addWidget(Cancel);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FixedDialog::AcceptUnless(const std::string& message)
{
    if (message.empty())
        accept();
    else
        ShowMessage(message);
}

void FixedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* shown = screen()) {
        QRect area = shown->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
