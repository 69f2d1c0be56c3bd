#include "GridBarButtons.h"

#include "GridKeys.h"

namespace {

const char* const kTips[CGridBarButtons::kCount] = {"新建标注", "删除标注", "Move Up", "Move Down"};

}  // namespace

CGridBarButtons::Action CGridBarButtons::ActionOf(int button, int selectedRow) {
  if (button == 0) return Action::kNewRow;
  if (selectedRow == -1) return Action::kNothing;
  switch (button) {
    case 1:
      return Action::kDeleteRow;
    case 2:
      return Action::kMoveUp;
    case 3:
      return Action::kMoveDown;
  }
  return Action::kNothing;
}

int CGridBarButtons::ButtonForKey(unsigned key, unsigned modifiers) {
  if (modifiers == GridModNone && key == GridKeyInsert) return 0;
  if (modifiers == GridModNone && key == GridKeyDelete) return 1;
  if (modifiers == GridModAlt && key == GridKeyUp) return 2;
  if (modifiers == GridModAlt && key == GridKeyDown) return 3;
  return kNone;
}

const char* CGridBarButtons::Tip(int button) {
  return button >= 0 && button < kCount ? kTips[button] : nullptr;
}

void CGridBarButtons::Layout(int width, int height) {
  const int y = (height - kHeight) / 2;
  for (int i = 0; i < kCount; ++i) {
    const int left = width - kCount * kWidth + kWidth * i;
    m_buttons[i] = GridBox{left, y, left + kWidth, y + kHeight};
  }
}

int CGridBarButtons::HitTest(int x, int y) const {
  for (int i = 0; i < kCount; ++i)
    if (m_buttons[i].Contains(x, y)) return i;
  return kNone;
}

bool CGridBarButtons::OnMove(int button) {
  if (m_bPressed || button == m_nHot) return false;  // the pressed button stays hot
  m_nHot = button;
  return true;
}

bool CGridBarButtons::OnPress(int button) {
  m_nHot = button;
  m_bPressed = button != kNone;
  return m_bPressed;
}

int CGridBarButtons::OnRelease(int button) {
  const bool click = m_bPressed && button == m_nHot && button != kNone;
  m_bPressed = false;
  m_nHot = button;
  return click ? button : kNone;
}

bool CGridBarButtons::OnCaptureLost() {
  const bool was = m_bPressed;
  m_bPressed = false;
  return was;
}
