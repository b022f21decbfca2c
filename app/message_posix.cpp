// Outside Windows the portable code's messages go to the standard error stream.
#include <cstdio>

void ShowPlatformMessage(const char* text, const char* title) {
  std::fprintf(stderr, "%s: %s\n", title, text);
}
