// What ends the launcher when the C++ runtime gives up (an exception nobody catches, such as running
// out of memory): abort at once. The runtime's default handler would first print the exception's
// demangled name to the standard error stream, which a windowed program does not have; replacing it
// keeps the name demangler and the formatted-output code it needs out of the program.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
