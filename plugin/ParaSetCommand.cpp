#include "ParaSetCommand.h"

CParaSetCommand& CParaSetCommand::Instance() {
  static CParaSetCommand command;
  return command;
}

void CParaSetCommand::OnMessage(int /*code*/, int /*p1*/, int /*p2*/, int /*commandState*/) {}
