/* The stack guard's canary and its failure for the MinGW builds, in place of
 * libssp's. libssp seeds its canary at load through the CryptoAPI
 * (CryptAcquireContext), which costs tens of milliseconds at every start of
 * the program and every load of the emulator. This seeds it as MSVC's /GS
 * does: from the clocks, the process and thread ids and the randomised
 * stack and image addresses.
 *
 * Linked from a static library, so that only an image with a checked
 * function pulls it in. Built without the guard itself: the seeding runs
 * while no checked function is on the stack. */
#include <stdint.h>
#include <windows.h>

void* __stack_chk_guard = 0;

/* A return address was overwritten: end the process at once, running
 * nothing of what the overrun left behind. The message is for a debugger. */
__attribute__((noreturn)) void __stack_chk_fail(void) {
    OutputDebugStringA("*** stack smashing detected ***: terminated\n");
    TerminateProcess(GetCurrentProcess(), (UINT)STATUS_STACK_BUFFER_OVERRUN);
    for (;;) {
    }
}

__attribute__((constructor(101))) static void SeedStackGuard(void) {
    FILETIME time;
    LARGE_INTEGER counter;
    GetSystemTimeAsFileTime(&time);
    QueryPerformanceCounter(&counter);
    uintptr_t seed = (uintptr_t)&seed ^ (uintptr_t)&SeedStackGuard;
    seed ^= time.dwLowDateTime ^ time.dwHighDateTime ^ counter.LowPart ^ counter.HighPart;
    seed ^= GetCurrentProcessId() ^ (GetCurrentThreadId() << 16) ^ GetTickCount();
    __stack_chk_guard = (void*)(seed != 0 ? seed : (uintptr_t)0xBB40E64Eu);
}
