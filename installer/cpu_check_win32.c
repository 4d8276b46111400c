/* Tells the x86 installer whether this processor has SSE2, which the 32-bit
 * programs compute with (so that they write the same numbers as the 64-bit
 * edition). Built without SSE2 itself, so that it runs on any processor to
 * answer. Exit code 0: SSE2 present; 1: absent. */
#include <cpuid.h>

int main(void) {
    unsigned eax, ebx, ecx, edx;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return 1;
    return (edx & bit_SSE2) ? 0 : 1;
}
