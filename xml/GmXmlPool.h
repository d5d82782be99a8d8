#pragma once

#include <cstddef>

// Nodes the XML layer's node pool has room for, in use or free, over all threads:
// what documents built so far have taken from the system and kept for reuse.
size_t GmXmlNodePoolCapacity();
