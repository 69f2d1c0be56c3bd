// CStatic: wrapper of a static control (text, frame, picture).
#pragma once

#include "Wnd.h"

class CStatic : public CWnd {
 public:
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
};
