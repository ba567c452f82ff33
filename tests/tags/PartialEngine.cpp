// An engine library that lacks most exports, for the failing lookup.
#include <cstdint>

extern "C" {
__attribute__((visibility("default"))) int32_t AUDIOAnalyzeFileW(const char16_t*) { return 0; }
__attribute__((visibility("default"))) void AUDIOFreeStringW(char16_t*) {}
}
