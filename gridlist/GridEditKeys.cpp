#include "GridEditKeys.h"

#include "GridKeys.h"

bool CGridEditKeys::TakesKeyDown(unsigned key, int ctrlState) {
  return key == GridKeyEnter || key == GridKeyDelete || key == GridKeyEscape || ctrlState != 0;
}

bool CGridEditKeys::DispatchesKeyDown(unsigned key, bool multiLine) {
  return !(key == GridKeyEscape && multiLine);
}

CGridEditKeys::Char CGridEditKeys::OnChar(unsigned ch) {
  switch (ch) {
    case GridKeyEscape:
      return Char::kDiscard;
    case GridKeyEnter:
      return Char::kCommit;
  }
  return Char::kType;
}
