#include "editor/properties/ElementDialogs.h"

ModelOptionsForm& ElementDialogs::OptionsFor(char kind)
{
    return kind == 'Q' ? FormBjth : kind == 'q' ? FormBjtG : FormMos;
}
