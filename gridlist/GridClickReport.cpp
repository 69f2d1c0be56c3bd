#include "GridClickReport.h"

bool CGridClickReport::OnListClick() {
  switch (m_state) {
    case State::kPressing:
      m_state = State::kReported;
      return true;
    case State::kSentByGrid:
      m_state = State::kIdle;  // the parent heard of this click already
      return false;
    case State::kDragged:
      return false;
    default:
      return true;
  }
}

void CGridClickReport::OnListDrag() {
  if (m_state == State::kPressing) m_state = State::kDragged;
}

CGridClickReport::Outcome CGridClickReport::EndPress() {
  switch (m_state) {
    case State::kPressing:
      m_state = State::kSentByGrid;  // before the report goes out
      return Outcome::kReport;
    case State::kDragged:  // and stays so: a report of this press that comes later is dropped
      return Outcome::kDragged;
    default:
      m_state = State::kIdle;
      return Outcome::kReported;
  }
}
