// Storage of the process-wide values.
#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
QuizDefinition* theQuiz = nullptr;
HWND boardDialog = nullptr;
AttachControlFunction attachControl = nullptr;
