// Measures the heap the code under test asks for: the test binary replaces
// the global operator new and delete (AllocationMeter.cpp) with versions that
// count the bytes in use and their high-water mark.
#pragma once

#include <cstddef>

// Peak bytes allocated through operator new since construction, above what
// was in use then. One meter at a time; single-threaded use.
class TAllocationMeter {
public:
    TAllocationMeter();
    std::size_t PeakBytes() const;

private:
    std::size_t FBase;
};
