// What a case works with: the rig's paths, a scratch folder per session, and
// checks that record failures (Expect*) or end the case at once (Require).
#ifndef VANTREL_TESTS_E2E_CASECONTEXT_H
#define VANTREL_TESTS_E2E_CASECONTEXT_H

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct RigPaths {
    std::wstring app;       // Vantrel.exe as built
    std::wstring fakesDir;  // folder of the built fake libraries
    std::wstring scratchRoot;
    // Optional (empty when not given): the logger emulator's ORLOG7_DLL.dll
    // and its fixture tool, for the cases that run on the emulator.
    std::wstring emulatorDll;
    std::wstring fixturesExe;
    // The recording fake built for the other Windows build (32-bit beside a
    // 64-bit program, and the reverse).
    std::wstring otherMachineFake;
    // Drive a Vantrel someone else started instead of starting one (--attach).
    bool attach = false;
};

// Thrown by Require; the runner counts the case as failed.
struct CaseAbort {};

std::string Describe(const std::string& value);
std::string Describe(const std::wstring& value);
std::string Describe(long long value);
std::string Describe(unsigned long long value);  // size_t on 64-bit Windows
inline std::string Describe(int value) {
    return Describe(static_cast<long long>(value));
}
inline std::string Describe(unsigned value) {
    return Describe(static_cast<long long>(value));
}
inline std::string Describe(long value) {
    return Describe(static_cast<long long>(value));
}
inline std::string Describe(unsigned long value) {
    return Describe(static_cast<unsigned long long>(value));
}
inline std::string Describe(bool value) {
    return value ? "true" : "false";
}
inline std::string Describe(const char* value) {
    return Describe(std::string(value));
}
inline std::string Describe(const wchar_t* value) {
    return Describe(std::wstring(value));
}

class CaseContext {
public:
    CaseContext(const RigPaths& paths, std::string name) : paths_(paths), name_(std::move(name)) {}

    const RigPaths& Paths() const { return paths_; }
    const std::string& Name() const { return name_; }
    // A new, empty folder for one run of the program.
    std::wstring NewScratchDir();

    void Fail(const std::string& what);
    // Counts a check made without Expect (a sweep that reports its own failures).
    bool Counted(bool ok) {
        ++checks_;
        return ok;
    }
    bool Expect(bool ok, const std::string& what) {
        ++checks_;
        if (!ok)
            Fail(what);
        return ok;
    }
    template <typename A, typename E>
    bool ExpectEq(const A& actual, const E& expected, const std::string& what) {
        ++checks_;
        if (actual == expected)
            return true;
        Fail(what + ": got " + Describe(actual) + ", expected " + Describe(expected));
        return false;
    }
    void Require(bool ok, const std::string& what) {
        ++checks_;
        if (!ok) {
            Fail(what);
            throw CaseAbort();
        }
    }
    int Failures() const { return failures_; }
    int Checks() const { return checks_; }
    // Off: failures are counted but not printed (for the rig's own checks).
    void SetEcho(bool echo) { echo_ = echo; }

private:
    const RigPaths& paths_;
    std::string name_;
    int failures_ = 0;
    int checks_ = 0;
    bool echo_ = true;
    int scratchCount_ = 0;
};

// Registration: one function per case, found by group and name.
using CaseFunction = void (*)(CaseContext&);
struct CaseEntry {
    const char* group;
    const char* name;
    CaseFunction run;
};
std::vector<CaseEntry>& RegisteredCases();
struct CaseRegistrar {
    CaseRegistrar(const char* group, const char* name, CaseFunction run) {
        RegisteredCases().push_back({group, name, run});
    }
};

}  // namespace e2e

// E2E_CASE(group, name) { ... uses ctx ... }
#define E2E_CASE(group, name)                                                                     \
    static void e2e_case_##group##_##name(::e2e::CaseContext& ctx);                               \
    static const ::e2e::CaseRegistrar e2e_registrar_##group##_##name(#group, #name,               \
                                                                     &e2e_case_##group##_##name); \
    static void e2e_case_##group##_##name(::e2e::CaseContext& ctx)

#endif
