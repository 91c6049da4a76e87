#include "viewer/app/ResultHost.h"

ResultHost* ResultFrame = nullptr;
