#pragma once

namespace zavolin {

// Has the memory allocator keep 16 MB more of what is freed mapped, for reuse, instead of giving
// it back to the system at once. Reading a large picture set allocates and frees a great deal
// in small steps on several threads; each page given back and taken again costs a page fault,
// which on a virtual machine made the start 15 ms slower. Costs about 1 MB resident. Call first
// thing in main().
void keepFreedMemoryForReuse();

} // namespace zavolin
