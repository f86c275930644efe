// The end of a program that failed beyond every handler, for the Windows
// programs. libstdc++ would print the failure's type to the console first,
// with a demangler of over 40 KB to spell it; the programs have no console,
// so they end at once instead. Linked into each program itself (not into a
// library), so that it takes the place of libstdc++'s handler.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
