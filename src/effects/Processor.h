#pragma once

// Whether the processor has MMX: the identification instruction exists (bit 21 of the
// flags can be toggled), the family is at least 5, and feature bit 23 is set.
bool HasMmx();
// Leaves the MMX state after MMX loops, so floating-point code may run again.
void EndMmxState();
