#pragma once
// Where the processor keeps each parameter in its memory rows. The device works this out from its
// own description instead of borrowing the panel's helpers: it stands in for the hardware, and the
// whole-session tests can only catch a wrong placement on either side if the two are worked out
// apart.
//
// Mode banks: the Music row keeps slots 2..53 twice, Sing in columns 2..53 and Disco as a second
// block in columns 54..105. Main, SUB and Center keep each banked parameter below slot 20 as a
// pair of columns, Sing on the parameter's slot and Disco on the column after it; SUR does the same
// below slot 18. Every other parameter has one column for both modes.
//
// MIC groups: the processor has no MIC group of its own. MIC A and MIC B are rows 1 and 2, and a
// write or band write lands in the row that its address names (0x01xx, 0x0102 for MIC A; 0x02xx,
// 0x0202 for MIC B).

inline constexpr int SingBank = 0;
inline constexpr int DiscoBank = 1;

// The memory column of (channel, slot) in a mode bank (SingBank or DiscoBank).
int MemoryColumn(int channel, int slot, int bank);
