#include "editor/app/ModelOptionDialogs.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "editor/app/ModelPictures.h"
#include "platform/Latin1.h"

ModelOptionsDialog::ModelOptionsDialog(QWidget* parent, const ModelOptionsForm& form, bool toolWindow)
    : FixedDialog(parent, form.Caption.c_str(), toolWindow, false),
      TypeN(new QRadioButton(Latin1(form.TypeN), this)),
      TypeP(new QRadioButton(Latin1(form.TypeP), this))
{
    auto* picture = new QLabel(this);
    picture->setPixmap(ModelPicture(form.Kind));
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);

    auto* options = new QGridLayout;
    options->addWidget(new QLabel("Include:", this), 0, 0);
    int column = 1;
    for (const std::string& option : form.Options) {
        Include.push_back(new QCheckBox(Latin1(option), this));
        options->addWidget(Include.back(), 0, column++);
    }
    options->addWidget(new QLabel("Type:", this), 1, 0);
    options->addWidget(TypeN, 1, 1);
    options->addWidget(TypeP, 1, 2, 1, 2);
    options->setColumnStretch(4, 1);
    TypeN->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(options);
    AddButtons(layout, true);
}

bool ModelOptionsDialog::Execute(ModelOptionsForm& form)
{
    for (std::size_t i = 0; i < Include.size(); ++i)
        Include[i]->setChecked(form.Checked[i]);
    (form.IsTypeN ? TypeN : TypeP)->setChecked(true);
    bool accepted = exec() == QDialog::Accepted;
    for (std::size_t i = 0; i < Include.size(); ++i)
        form.Checked[i] = Include[i]->isChecked();
    form.IsTypeN = TypeN->isChecked();
    return accepted;
}

TFormBjth::TFormBjth(QWidget* parent)
    : ModelOptionsDialog(parent, ModelOptionsForm('Q'), true),
      ChkHre(Include[0]),
      ChkHoe(Include[1]),
      ButtNPN(TypeN),
      ButtPNP(TypeP)
{
}

TFormBjtG::TFormBjtG(QWidget* parent)
    : ModelOptionsDialog(parent, ModelOptionsForm('q'), false),
      ChkCe(Include[0]),
      ChkCc(Include[1]),
      ChkGce(Include[2]),
      ButtNPN(TypeN),
      ButtPNP(TypeP)
{
}

TFormMos::TFormMos(QWidget* parent)
    : ModelOptionsDialog(parent, ModelOptionsForm('M'), true),
      ChkCgs(Include[0]),
      ChkCgd(Include[1]),
      ChkCds(Include[2]),
      ButtNch(TypeN),
      ButtPch(TypeP)
{
}
