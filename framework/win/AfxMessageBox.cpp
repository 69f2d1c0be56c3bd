#include "AfxMessageBox.h"

#include "TestSeams.h"
#include "WinApp.h"

namespace fw {

int AfxMessageBox(void* owner, const char* text, unsigned type) {
  return seam::MessageBox(owner, text ? text : "", type, AfxGetAppName());
}

}  // namespace fw
