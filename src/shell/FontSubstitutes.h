#pragma once
// The design's fonts do not exist on Linux: each design family is mapped to installed fonts
// that look alike, before any control is made.

namespace lumeport {

void InstallFontSubstitutes();

} // namespace lumeport
