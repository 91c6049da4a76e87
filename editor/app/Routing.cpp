#include "editor/app/Routing.h"

#include <QObject>
#include <cstring>

ChildKind KindOf(const QObject* child)
{
    const char* name = child->metaObject()->className();
    if (std::strcmp(name, "TMDIChild") == 0)
        return ChildKind::Result;
    if (std::strcmp(name, "TFormSch") == 0)
        return ChildKind::Schematic;
    if (std::strcmp(name, "TFormLista") == 0)
        return ChildKind::ValueList;
    return ChildKind::Other;
}

MenuEnabling EnablingOf(ChildKind kind)
{
    switch (kind) {
    case ChildKind::Result: return {true, true, true, true};
    case ChildKind::Schematic: return {true, true, true, false};
    case ChildKind::ValueList: return {false, false, true, false};
    case ChildKind::Other: break;
    }
    return {false, false, false, false};
}
