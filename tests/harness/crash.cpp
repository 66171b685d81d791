// A test program that crashes: under Wine it must end at once with a failing
// status, not wait in Wine's debugger (tools/wine-env.sh, wine_no_debugger).
#include <windows.h>

int main()
{
    ::RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    return 0;
}
