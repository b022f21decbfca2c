// Storage of the process-wide values.
#include "base/process_state_win.h"

HINSTANCE appInstance = nullptr;
QuizDefinition* theQuiz = nullptr;
HWND boardDialog = nullptr;
AttachControlFunction attachControl = nullptr;
