#include "viewer/app/FrameServices.h"

FrameServices* MainFrame = nullptr;
