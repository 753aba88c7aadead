/* Loaded first into a process (LD_PRELOAD) under "setarch -R": grows the
 * program break of a loader placed low in memory across 0x7ffe0000, where
 * Windows programs expect their shared user data, before anything else in the
 * process runs. A Wine start only survives this when Wine reserved that
 * address before the C library could take it. */
#include <stdint.h>
#include <unistd.h>

__attribute__((constructor)) static void grow_heap_across_shared_data(void)
{
    const uintptr_t past_shared_data = 0x7ffe2000;
    const uintptr_t end = (uintptr_t)sbrk(0);
    if (end != (uintptr_t)-1 && end < past_shared_data)
        (void)sbrk((intptr_t)(past_shared_data - end));
}
