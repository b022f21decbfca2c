// The number of GDI objects that this process holds.
#include "tests/board/gdi_objects.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// One entry of Wine's GDI handle table, the same in 32-bit and 64-bit processes; Type is 0 for a
// free entry.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's entry");

constexpr int GDI_HANDLE_COUNT = 0x10000;
// Offsets of the thread and process environment blocks.
constexpr std::uintptr_t TEB64_PEB = 0x60;
constexpr std::uintptr_t PEB64_GDI_HANDLE_TABLE = 0xF8;
#ifndef _WIN64
constexpr std::uintptr_t TEB32_PEB = 0x30;
constexpr std::uintptr_t PEB32_GDI_HANDLE_TABLE = 0x94;
constexpr std::uintptr_t TEB32_GDI_BATCH_COUNT = 0xF70;
#endif

// What NtQueryInformationThread gives for its class 0, ThreadBasicInformation: neither mingw's
// headers nor the Windows SDK's declare the record, and the SDK not the class either.
constexpr ULONG THREAD_BASIC_INFORMATION_CLASS = 0;
struct ThreadBasics {
  NTSTATUS exitStatus;
  void* threadEnvironmentBlock;
  CLIENT_ID clientId;
  ULONG_PTR affinityMask;
  LONG priority;
  LONG basePriority;
};

// Asked of ntdll rather than read from the segment register, which gcc takes for an access to a
// tiny array.
std::uintptr_t OwnThreadEnvironmentBlock() {
  using QueryFunction = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryFunction>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
  ThreadBasics basic = {};
  if (!query ||
      query(GetCurrentThread(), THREAD_BASIC_INFORMATION_CLASS, &basic, sizeof basic, nullptr)) {
    return 0;
  }
  return reinterpret_cast<std::uintptr_t>(basic.threadEnvironmentBlock);
}

template <typename Value>
Value ReadAt(std::uintptr_t address) {
  Value value;
  std::memcpy(&value, reinterpret_cast<const void*>(address), sizeof value);
  return value;
}

std::uint64_t TableOfTheSixtyFourBitPeb(std::uintptr_t teb64) {
  auto peb64 = static_cast<std::uintptr_t>(ReadAt<std::uint64_t>(teb64 + TEB64_PEB));
  return ReadAt<std::uint64_t>(peb64 + PEB64_GDI_HANDLE_TABLE);
}

const GdiHandleEntry* HandleTable() {
  std::uintptr_t teb = OwnThreadEnvironmentBlock();
  if (!teb) return nullptr;
  std::uint64_t table = 0;
#ifdef _WIN64
  table = TableOfTheSixtyFourBitPeb(teb);
#else
  // A 32-bit process under Wine's WoW64 finds the table in the 64-bit PEB only: the 32-bit TEB's
  // GdiBatchCount holds the address of the 64-bit TEB.
  auto teb64 = ReadAt<std::uint32_t>(teb + TEB32_GDI_BATCH_COUNT);
  if (teb64) {
    table = TableOfTheSixtyFourBitPeb(teb64);
  } else {
    table = ReadAt<std::uint32_t>(ReadAt<std::uint32_t>(teb + TEB32_PEB) + PEB32_GDI_HANDLE_TABLE);
  }
#endif
  return reinterpret_cast<const GdiHandleEntry*>(static_cast<std::uintptr_t>(table));
}

int CountHandleTable() {
  const GdiHandleEntry* table = HandleTable();
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
