#pragma once
// True on Qt's offscreen platform, where nobody can see or answer a window.
bool Headless();
