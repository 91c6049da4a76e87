#include "platform/MessageWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "platform/BreakableText.h"

namespace {

// A box is as wide as its text up to the usual width, its lines wrapped
// beyond; a word wider than that widens it up to the widest, and breaks
// beyond. In pixels, as the screen allows.
constexpr int kUsualWidth = 500;
constexpr int kWidestWidth = 800;

QStyle::StandardPixmap Picture(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QStyle::SP_MessageBoxInformation;
    case MsgIcon::Warning: return QStyle::SP_MessageBoxWarning;
    case MsgIcon::Error: return QStyle::SP_MessageBoxCritical;
    case MsgIcon::Confirmation:
    case MsgIcon::None: break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

MsgResult ResultOf(QDialogButtonBox::StandardButton button)
{
    switch (button) {
    case QDialogButtonBox::Yes: return MsgResult::Yes;
    case QDialogButtonBox::No: return MsgResult::No;
    case QDialogButtonBox::Cancel: return MsgResult::Cancel;
    default: break;
    }
    return MsgResult::Ok;
}

// The widest of the pieces of the text that the separator parts, in pixels.
int Widest(const QString& text, const QRegularExpression& separator, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (const QString& piece : text.split(separator))
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    return static_cast<int>(std::ceil(widest));
}

// The width the text wraps at, given the usual and the widest width of the text.
int WrapWidth(const QString& text, const QFontMetricsF& metrics, int usual, int widest)
{
    const int lines = Widest(text, QRegularExpression("\n"), metrics);
    if (lines <= std::min(usual, widest))
        return lines;
    const int words = Widest(text, QRegularExpression("\\s"), metrics);
    return std::min(std::max(words, usual), widest);
}

}  // namespace

MessageWindow::MessageWindow(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                             QWidget* parent)
    : QDialog(parent), text_(new QLabel), area_(new QScrollArea)
{
    setWindowTitle(caption);
    // Laid out as a standard box: the icon, an indent, the text, and the
    // buttons under them, one spacing further down.
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (icon != MsgIcon::None) {
        auto* picture = new QLabel;
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        picture->setPixmap(style()->standardIcon(Picture(icon), nullptr, this).pixmap(size, size));
        layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    }
    const int column = icon == MsgIcon::None ? 1 : 2;  // the text's; an indent before it, smaller after an icon
    layout->addItem(new QSpacerItem(column == 1 ? 15 : 7, 1, QSizePolicy::Fixed, QSizePolicy::Fixed), 0,
                    column - 1, 2, 1);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(
        Qt::TextInteractionFlags(style()->styleHint(QStyle::SH_MessageBox_TextInteractionFlags, nullptr, this)));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setWidget(text_);
    layout->addWidget(area_, 0, column, Qt::AlignLeft | Qt::AlignTop);
    layout->setColumnStretch(column, 1);
    auto* box = new QDialogButtonBox;
    AddButtons(*box, buttons);
    layout->addWidget(box, 2, 0, 1, column + 1);
    FitText(text);
}

void MessageWindow::AddButtons(QDialogButtonBox& box, MsgButtons buttons)
{
    box.setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
    QDialogButtonBox::StandardButton first = QDialogButtonBox::Yes;
    switch (buttons) {
    case MsgButtons::Ok:
        first = QDialogButtonBox::Ok;
        box.setStandardButtons(QDialogButtonBox::Ok);
        escape_ = MsgResult::Ok;
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QDialogButtonBox::Yes | QDialogButtonBox::No);
        escape_ = MsgResult::No;
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        escape_ = MsgResult::Cancel;
        break;
    }
    answer_ = escape_;
    box.button(first)->setDefault(true);
    box.button(first)->setFocus();
    connect(&box, &QDialogButtonBox::clicked, this, [this, &box](QAbstractButton* button) {
        answer_ = ResultOf(box.standardButton(button));
        accept();
    });
}

void MessageWindow::reject()
{
    answer_ = escape_;
    QDialog::reject();
}

// The window's size less its text's: margins, icon, indent and buttons.
QSize MessageWindow::SizeBesideText()
{
    const QSize large(4 * kWidestWidth, 4 * kWidestWidth);  // beyond the icon's height and the buttons' width
    area_->setFixedSize(large);
    layout()->invalidate();
    return layout()->totalSizeHint() - large;
}

void MessageWindow::FitText(const QString& text)
{
    const QSize beside = SizeBesideText();
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize frame(2 * border, title + 2 * border);  // a window manager's
    const QSize room = screen()->availableGeometry().size() - frame - beside;
    const int scrollBar = area_->verticalScrollBar()->sizeHint().width();
    const QFontMetricsF metrics(text_->font());
    const int widest = std::min(kWidestWidth - beside.width(), room.width() - scrollBar);
    const int width = WrapWidth(text, metrics, kUsualWidth - beside.width(), widest);
    text_->setText(BreakableText(text, metrics, width));
    text_->setWordWrap(true);
    text_->setFixedSize(width, text_->heightForWidth(width));
    const bool scrolls = text_->height() > room.height();
    const int lineHeight = text_->fontMetrics().lineSpacing();
    area_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area_->verticalScrollBar()->setSingleStep(lineHeight);
    const int wholeLines = std::max(lineHeight, room.height() - room.height() % lineHeight);
    area_->setFixedSize(width + (scrolls ? scrollBar : 0), scrolls ? wholeLines : text_->height());
}
