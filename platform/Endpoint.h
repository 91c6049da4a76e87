#pragma once
// Where posted messages go: a main window's endpoint is numbered by its
// process id and is a local socket in the user's own runtime folder.
#include <QString>

// The local socket's full name for an endpoint number.
QString EndpointName(int number);
