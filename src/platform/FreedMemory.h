#pragma once

namespace tw {

// Keeps memory the program frees for its next use instead of handing it back to the
// system at once. Reading years of daily readings builds tables of tens of megabytes;
// returned and asked for again, every page of them costs a fault, which on some
// virtual machines is most of the work. Called first thing in main().
void KeepFreedMemory();

}  // namespace tw
