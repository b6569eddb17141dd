/* Loaded into every 32-bit Wine process that qemu-i386 runs (LD_PRELOAD inside the emulated process).
 *
 * Wine reserves the low address space at start-up with mmap(..., MAP_FIXED_NOREPLACE): a request that the
 * kernel refuses with EEXIST when any page of the range is taken, after which Wine halves the range and tries
 * again. The qemu user-mode emulator of this Debian ignores the flag and treats the address as a hint: a taken
 * range "succeeds" somewhere else, Wine unmaps it and halves again, down to 64 KiB pieces, some 65,000 calls
 * and minutes per process. Here such a request fails as the kernel would: taken (by the emulated process's
 * own memory map) means EEXIST without a call; free means a hinted mapping that must land on the address.
 *
 * Built with the stock compiler, -m32 -nostdlib: no 32-bit C library headers are needed, the few libc calls
 * are resolved in the process at load time and the system calls are made directly. */

typedef unsigned int size_t;
typedef unsigned long uintptr_t;

#define MAP_FIXED 0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define EINVAL 22
#define MAP_FAILED ((void *)-1)

#define SYS_read 3
#define SYS_open 5
#define SYS_close 6
#define SYS_munmap 91
#define SYS_mmap2 192

extern int *__errno_location(void);
extern int unsetenv(const char *name);

long gauge_syscall6(long number, long a, long b, long c, long d, long e, long f);
__asm__(".text\n"
        ".globl gauge_syscall6\n"
        ".hidden gauge_syscall6\n"
        ".type gauge_syscall6, @function\n"
        "gauge_syscall6:\n"
        "  push %ebp\n"
        "  push %edi\n"
        "  push %esi\n"
        "  push %ebx\n"
        "  mov 20(%esp), %eax\n"
        "  mov 24(%esp), %ebx\n"
        "  mov 28(%esp), %ecx\n"
        "  mov 32(%esp), %edx\n"
        "  mov 36(%esp), %esi\n"
        "  mov 40(%esp), %edi\n"
        "  mov 44(%esp), %ebp\n"
        "  int $0x80\n"
        "  pop %ebx\n"
        "  pop %esi\n"
        "  pop %edi\n"
        "  pop %ebp\n"
        "  ret\n");

static int failed(long result) { return (unsigned long)result > -4096UL; }

static void *fail_with(int error)
{
    *__errno_location() = error;
    return MAP_FAILED;
}

/* The loader's variable must not reach the 64-bit programs this process starts (the emulator runs them
 * again with it); each emulated process gets it from the emulator's command line instead. */
__attribute__((constructor)) static void forget_preload(void) { unsetenv("LD_PRELOAD"); }

static int hex_digit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

/* Whether any mapping of /proc/self/maps (the emulated process's own, as qemu shows it) meets
 * [start, end). 1 taken, 0 free, -1 the map could not be read. */
static int range_taken(uintptr_t start, uintptr_t end)
{
    long fd = gauge_syscall6(SYS_open, (long)"/proc/self/maps", 0, 0, 0, 0, 0);
    if (failed(fd)) return -1;
    char buffer[4096];
    /* Each line begins "low-high ": parse those two numbers, skip to the end of the line. */
    int field = 0; /* 0 low, 1 high, 2 rest of the line */
    uintptr_t low = 0, high = 0;
    int taken = 0;
    for (;;) {
        long n = gauge_syscall6(SYS_read, fd, (long)buffer, sizeof buffer, 0, 0, 0);
        if (failed(n)) { taken = -1; break; }
        if (n == 0) break;
        for (long i = 0; i < n && !taken; ++i) {
            char c = buffer[i];
            if (c == '\n') {
                field = 0;
                low = high = 0;
                continue;
            }
            if (field == 2) continue;
            int digit = hex_digit(c);
            if (digit >= 0) {
                if (field == 0) low = low * 16 + digit;
                else high = high * 16 + digit;
            } else if (c == '-' && field == 0) {
                field = 1;
            } else {
                if (field == 1 && low < end && start < high) taken = 1;
                field = 2;
            }
        }
        if (taken) break;
    }
    gauge_syscall6(SYS_close, fd, 0, 0, 0, 0, 0);
    return taken;
}

static void *map_pages(void *address, size_t length, int protection, int flags, int fd, unsigned long page_offset)
{
    if (flags & MAP_FIXED_NOREPLACE) {
        uintptr_t start = (uintptr_t)address;
        if (start + length < start) return fail_with(EEXIST);
        if (range_taken(start, start + length) == 1) return fail_with(EEXIST);
        /* Free as far as the map shows: ask for the address as a hint, and keep it only where it landed. */
        long result = gauge_syscall6(SYS_mmap2, (long)address, length, protection,
                                     flags & ~MAP_FIXED_NOREPLACE, fd, (long)page_offset);
        if (failed(result)) return fail_with((int)-result);
        if ((uintptr_t)result != start) {
            gauge_syscall6(SYS_munmap, result, length, 0, 0, 0, 0);
            return fail_with(EEXIST);
        }
        return (void *)result;
    }
    long result = gauge_syscall6(SYS_mmap2, (long)address, length, protection, flags, fd, (long)page_offset);
    if (failed(result)) return fail_with((int)-result);
    return (void *)result;
}

__attribute__((visibility("default"))) void *mmap(void *address, size_t length, int protection, int flags, int fd,
                                                  long offset)
{
    if ((offset & 4095) || offset < 0) return fail_with(EINVAL);
    return map_pages(address, length, protection, flags, fd, (unsigned long)offset >> 12);
}

__attribute__((visibility("default"))) void *mmap64(void *address, size_t length, int protection, int flags,
                                                    int fd, long long offset)
{
    if ((offset & 4095) || offset < 0 || (offset >> 12) > 0xffffffffLL) return fail_with(EINVAL);
    return map_pages(address, length, protection, flags, fd, (unsigned long)(offset >> 12));
}
