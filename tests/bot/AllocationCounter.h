// Counts the game thread's trips through the global operator new and delete
// while armed. With ORVANE_ALLOC_TRACE=1 in the environment every counted
// allocation prints its size and a backtrace.
#pragma once

struct AllocationCount {
  long allocations;
  long frees;
};

void AllocationCounterArm();
AllocationCount AllocationCounterDisarm();
