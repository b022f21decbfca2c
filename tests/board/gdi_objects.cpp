// The number of GDI objects that this process holds.
#include "tests/board/gdi_objects.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace {

// One entry of the GDI handle table on 64-bit systems; Type is 0 for a free entry.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the 64-bit table entry");

constexpr std::size_t GDI_HANDLE_TABLE_OFFSET = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit
constexpr int GDI_HANDLE_COUNT = 0x10000;

const unsigned char* OwnProcessEnvironmentBlock() {
  using QueryFunction = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryFunction>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr)) {
    return nullptr;
  }
  return reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
}

int CountHandleTable() {
  const unsigned char* peb = OwnProcessEnvironmentBlock();
  if (!peb) return -1;
  auto table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + GDI_HANDLE_TABLE_OFFSET);
  if (!table) return -1;
  int live = 0;
  for (int i = 0; i < GDI_HANDLE_COUNT; ++i) {
    if (table[i].type != 0) ++live;
  }
  return live;
}

}  // namespace

int LiveGdiObjects() {
  DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return counted ? static_cast<int>(counted) : CountHandleTable();
}
