// Allocation failure on demand for native test programs: linking FailingAllocation.cpp replaces
// the program's global operator new (and delete), so while an AllocationFailure object lives
// every new of the program, the standard library's included, throws std::bad_alloc.  Code that
// allocates with malloc directly is not affected.
#pragma once

class AllocationFailure {
 public:
  AllocationFailure();
  ~AllocationFailure();
  AllocationFailure(const AllocationFailure&) = delete;
  AllocationFailure& operator=(const AllocationFailure&) = delete;
};
