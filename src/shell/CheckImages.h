#pragma once
// The on/off check images of the subtitle bar, the dictation panel and the sentence card: the
// pictures Bitmap/check_1.jpg (on) and Bitmap/check_0.jpg (off) of the ProgramDir.

namespace lumeport {

class Form1;
class Image;

void ShowCheck(const Form1& form, Image& image, bool on);

} // namespace lumeport
