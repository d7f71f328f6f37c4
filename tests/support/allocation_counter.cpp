#include "support/allocation_counter.h"

#include <atomic>
#include <cstdlib>

// glibc's own entry points: the replacements below count, then hand over to them.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

std::atomic<std::size_t> counted{0};
std::atomic<int> counting{0};

void count()
{
    if (counting.load(std::memory_order_relaxed) > 0) {
        counted.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace

extern "C" {

void* malloc(std::size_t size)
{
    count();
    return __libc_malloc(size);
}

void* calloc(std::size_t count_, std::size_t size)
{
    count();
    return __libc_calloc(count_, size);
}

void* realloc(void* pointer, std::size_t size)
{
    count();
    return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    count();
    *result = __libc_memalign(alignment, size);
    return *result ? 0 : 12; // ENOMEM
}

} // extern "C"

AllocationCount::AllocationCount() : start_(counted.load())
{
    counting.fetch_add(1);
}

AllocationCount::~AllocationCount()
{
    counting.fetch_sub(1);
}

std::size_t AllocationCount::allocations() const
{
    return counted.load() - start_;
}
