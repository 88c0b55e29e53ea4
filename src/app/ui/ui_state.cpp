#include "app/ui/ui_state.h"

#include <cassert>

namespace {
ProgramState* g_state = nullptr;
}

ProgramState& UiState() {
    assert(g_state && "SetUiState must run before a window is used");
    return *g_state;
}

void SetUiState(ProgramState* ps) { g_state = ps; }
