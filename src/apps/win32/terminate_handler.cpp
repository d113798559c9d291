// A window program has no console to print an uncaught exception's type to. The standard
// library's own handler would bring its name demangler, some 40 KB, into the executable.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
