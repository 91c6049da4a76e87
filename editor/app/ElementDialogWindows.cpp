#include "editor/app/ElementDialogWindows.h"

#include "editor/app/FormEdit.h"
#include "editor/app/FormTransistor.h"
#include "editor/app/ModelOptionDialogs.h"
#include "platform/Dialogs.h"

ElementDialogWindows::ElementDialogWindows(TFormEdit& edit, TFormTransistor& transistor, TFormBjth& bjth,
                                           TFormBjtG& bjtG, TFormMos& mos)
    : edit_(edit), transistor_(transistor), bjth_(bjth), bjtG_(bjtG), mos_(mos)
{
}

bool ElementDialogWindows::ShowEdit(EditForm& form)
{
    return edit_.Execute(form);
}

bool ElementDialogWindows::ShowTransistor(TransistorForm& form)
{
    return transistor_.Execute(form);
}

bool ElementDialogWindows::ShowOptions(ModelOptionsForm& form)
{
    switch (form.Kind) {
    case 'Q': return bjth_.Execute(form);
    case 'q': return bjtG_.Execute(form);
    default: return mos_.Execute(form);
    }
}

void ElementDialogWindows::ShowMessage(const std::string& text)
{
    ::ShowMessage(text);
}
