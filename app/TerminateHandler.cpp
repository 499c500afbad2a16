// GCC's default terminate handler prints the demangled name of an uncaught
// exception, which links the whole C++ demangler and a printf into a static
// executable (about 75 KB of Vantrel.exe). A GUI program has no console to
// print to, so ending at once loses nothing.
#if defined(__GNUC__) && !defined(__clang__) && defined(_WIN32)
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
#endif
