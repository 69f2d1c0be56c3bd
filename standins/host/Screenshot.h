// Writes a picture of the whole screen (every visible window, the plug-in's included) as a
// 24-bit BMP file; the demo turns it into a PNG.
#pragma once

#include <string>

namespace host {

class Screenshot {
 public:
  // False when the screen cannot be read or the file cannot be written.
  static bool CaptureScreen(const std::wstring& path);
};

}  // namespace host
