#include "AfxMessageBox.h"

#include "ModalLoop.h"
#include "TestSeams.h"
#include "WinApp.h"

namespace fw {

int AfxMessageBox(void* owner, const char* text, unsigned type) {
  CModalLoop loop;  // (a test's answer runs no loop: then nothing is taken from the queue)
  return seam::MessageBox(owner, text ? text : "", type, AfxGetAppName());
}

}  // namespace fw
